#pragma once
// The Color & Style Scan: walks the working text once, deletes the style,
// reset and colour codes it recognises and records one Format List entry
// per deleted code. A code standing last when the walk reaches it stays.
#include "UnicodeString.h"

class TFormatListHost;

void ColorStyleScan(UnicodeString& Dummy, TFormatListHost& host);
