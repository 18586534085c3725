#pragma once
// The text each step of the road receives for one workload: the line, and
// what Pass1, Pass2, Pass3 and the scan leave. Each is made on first use,
// so a filtered run makes only what it measures.
#include "UnicodeString.h"

enum class Step { Line, AfterPass1, AfterPass2, AfterPass3, AfterScan };

const UnicodeString& StageInput(int workload, Step step);
