// The program's one stopwatch: the compile run and the search are timed with it.
#pragma once

void StartTimer();
double GetElapsedSeconds();
