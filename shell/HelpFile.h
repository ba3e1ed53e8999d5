#pragma once

#include <QString>

// The help manual's path, in `language` ("de", "pt_BR") where there is a
// page in it and in English otherwise: beside the program, or where it is
// installed; empty when there is none that can be read.
QString FindHelpFile(const QString& language = {});
