// Ending the program from outside (a logout, `kill`, Ctrl+C in a terminal) as a close of its windows.
#pragma once

class QObject;

// From now on SIGTERM, SIGINT and SIGHUP close every window as its close box does, so that the main
// window saves the gene set as at any other close and the program ends with its last window. The
// handlers' reader lives as long as `owner`.
void CloseWindowsOnTerminationSignals(QObject* owner);
