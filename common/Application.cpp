// The application object's message pump and its hook.
#include "Application.h"

namespace {
TApplication theApplication;
}

TApplication* Application = &theApplication;
