#pragma once

#include <QString>

// The standard text of a VISA completion or error code, translated; empty for a code the
// table does not know, in which case the caller asks the instrument driver instead.
QString getVisaErrorMessageByCode(int status);
