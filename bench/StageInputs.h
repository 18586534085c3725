#pragma once
// The text each step of the road receives for one workload: the line, and
// what Pass1, Pass2, Pass3 and the scan leave. One run of the road makes
// them on first use, so a filtered run makes only the workloads it measures.
#include "UnicodeString.h"

enum class Step { Line, AfterPass1, AfterPass2, AfterPass3, AfterScan };

const UnicodeString& StageInput(int workload, Step step);
