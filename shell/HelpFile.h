#pragma once

#include <QString>

// The help manual's path: beside the program, or where it is installed;
// empty when there is none that can be read.
QString FindHelpFile();
