#include "hardware/visaerrormessage.h"

#include <QCoreApplication>

#include <iterator>

namespace {

struct VisaStatusText
{
    quint32 code;
    const char *text;
};

constexpr VisaStatusText visaStatusTexts[] = {
    // Completion codes
    { 0x00000000u, QT_TRANSLATE_NOOP("QObject", "No error (the call was successful)") },
    { 0x3FFF0002u, QT_TRANSLATE_NOOP("QObject", "Specified event is already enabled for at least one of the specified mechanisms") },
    { 0x3FFF0003u, QT_TRANSLATE_NOOP("QObject", "Specified event is already disabled for at least one of the specified mechanisms") },
    { 0x3FFF0004u, QT_TRANSLATE_NOOP("QObject", "Operation completed successfully, but queue was already empty") },
    { 0x3FFF0005u, QT_TRANSLATE_NOOP("QObject", "The specified termination character was read") },
    { 0x3FFF0006u, QT_TRANSLATE_NOOP("QObject", "The number of bytes transferred is equal to the requested input count. More data might be available") },
    { 0x3FFF0077u, QT_TRANSLATE_NOOP("QObject", "The specified configuration either does not exist or could not be loaded; using VISA-specified defaults") },
    { 0x3FFF007Du, QT_TRANSLATE_NOOP("QObject", "Session opened successfully, but the device at the specified address is not responding") },
    { 0x3FFF007Eu, QT_TRANSLATE_NOOP("QObject", "The path from trigSrc to trigDest is already mapped") },
    { 0x3FFF0080u, QT_TRANSLATE_NOOP("QObject", "Wait terminated successfully on receipt of an event notification. There is still at least one more event occurrence of the requested type(s) available for this session") },
    { 0x3FFF0082u, QT_TRANSLATE_NOOP("QObject", "The specified object reference is uninitialized") },
    { 0x3FFF0084u, QT_TRANSLATE_NOOP("QObject", "Although the specified state of the attribute is valid, it is not supported by this resource implementation") },
    { 0x3FFF0085u, QT_TRANSLATE_NOOP("QObject", "The status code passed to the operation could not be interpreted") },
    { 0x3FFF0088u, QT_TRANSLATE_NOOP("QObject", "The specified I/O buffer type is not supported") },
    { 0x3FFF0098u, QT_TRANSLATE_NOOP("QObject", "Event handled successfully. Do not invoke any other handlers on this session for this event") },
    { 0x3FFF0099u, QT_TRANSLATE_NOOP("QObject", "Operation completed successfully, and this session has nested shared locks") },
    { 0x3FFF009Au, QT_TRANSLATE_NOOP("QObject", "Operation completed successfully, and this session has nested exclusive locks") },
    { 0x3FFF009Bu, QT_TRANSLATE_NOOP("QObject", "Operation completed successfully, but the operation was actually synchronous rather than asynchronous") },

    // Error codes
    { 0xBFFF0000u, QT_TRANSLATE_NOOP("QObject", "Unknown system error (miscellaneous error)") },
    { 0xBFFF000Eu, QT_TRANSLATE_NOOP("QObject", "The given session or object reference is invalid") },
    { 0xBFFF000Fu, QT_TRANSLATE_NOOP("QObject", "Specified type of lock cannot be obtained, or specified operation cannot be performed, because the resource is locked") },
    { 0xBFFF0010u, QT_TRANSLATE_NOOP("QObject", "Invalid expression specified for search") },
    { 0xBFFF0011u, QT_TRANSLATE_NOOP("QObject", "Insufficient location information or the device or resource is not present in the system") },
    { 0xBFFF0012u, QT_TRANSLATE_NOOP("QObject", "Invalid resource reference specified. Parsing error") },
    { 0xBFFF0013u, QT_TRANSLATE_NOOP("QObject", "Invalid access mode") },
    { 0xBFFF0015u, QT_TRANSLATE_NOOP("QObject", "Timeout expired before operation completed") },
    { 0xBFFF0016u, QT_TRANSLATE_NOOP("QObject", "The VISA driver failed to properly close the session or object reference. This might be due to an error freeing internal or OS resources, a failed network connection, or a lower-level driver or OS error") },
    { 0xBFFF001Bu, QT_TRANSLATE_NOOP("QObject", "Specified degree is invalid") },
    { 0xBFFF001Cu, QT_TRANSLATE_NOOP("QObject", "Specified job identifier is invalid") },
    { 0xBFFF001Du, QT_TRANSLATE_NOOP("QObject", "The specified attribute is not defined or supported by the referenced session, event, or find list") },
    { 0xBFFF001Eu, QT_TRANSLATE_NOOP("QObject", "The specified state of the attribute is not valid, or is not supported as defined by the session, event, or find list") },
    { 0xBFFF001Fu, QT_TRANSLATE_NOOP("QObject", "The specified attribute is read-only") },
    { 0xBFFF0020u, QT_TRANSLATE_NOOP("QObject", "The specified type of lock is not supported by this resource") },
    { 0xBFFF0021u, QT_TRANSLATE_NOOP("QObject", "The access key to the resource associated with this session is invalid") },
    { 0xBFFF0026u, QT_TRANSLATE_NOOP("QObject", "Specified event type is not supported by the resource") },
    { 0xBFFF0027u, QT_TRANSLATE_NOOP("QObject", "Invalid mechanism specified") },
    { 0xBFFF0028u, QT_TRANSLATE_NOOP("QObject", "A handler was not installed") },
    { 0xBFFF0029u, QT_TRANSLATE_NOOP("QObject", "The given handler reference is invalid") },
    { 0xBFFF002Au, QT_TRANSLATE_NOOP("QObject", "Specified event context is invalid") },
    { 0xBFFF002Fu, QT_TRANSLATE_NOOP("QObject", "The session must be enabled for events of the specified type in order to receive them") },
    { 0xBFFF0030u, QT_TRANSLATE_NOOP("QObject", "User abort occurred during transfer") },
    { 0xBFFF0034u, QT_TRANSLATE_NOOP("QObject", "Violation of raw write protocol occurred during transfer") },
    { 0xBFFF0035u, QT_TRANSLATE_NOOP("QObject", "Violation of raw read protocol occurred during transfer") },
    { 0xBFFF0036u, QT_TRANSLATE_NOOP("QObject", "Device reported an output protocol error during transfer") },
    { 0xBFFF0037u, QT_TRANSLATE_NOOP("QObject", "Device reported an input protocol error during transfer") },
    { 0xBFFF0038u, QT_TRANSLATE_NOOP("QObject", "Bus error occurred during transfer") },
    { 0xBFFF0039u, QT_TRANSLATE_NOOP("QObject", "Unable to queue the asynchronous operation because there is already an operation in progress") },
    { 0xBFFF003Au, QT_TRANSLATE_NOOP("QObject", "Unable to start operation because setup is invalid (due to attributes being set to an inconsistent state)") },
    { 0xBFFF003Bu, QT_TRANSLATE_NOOP("QObject", "Unable to queue asynchronous operation") },
    { 0xBFFF003Cu, QT_TRANSLATE_NOOP("QObject", "Insufficient system resources to perform necessary memory allocation") },
    { 0xBFFF003Du, QT_TRANSLATE_NOOP("QObject", "Invalid buffer mask specified") },
    { 0xBFFF003Eu, QT_TRANSLATE_NOOP("QObject", "Could not perform operation because of I/O error") },
    { 0xBFFF003Fu, QT_TRANSLATE_NOOP("QObject", "A format specifier in the format string is invalid") },
    { 0xBFFF0041u, QT_TRANSLATE_NOOP("QObject", "A format specifier in the format string is not supported") },
    { 0xBFFF0042u, QT_TRANSLATE_NOOP("QObject", "The specified trigger line is currently in use") },
    { 0xBFFF0046u, QT_TRANSLATE_NOOP("QObject", "The specified mode is not supported by this VISA implementation") },
    { 0xBFFF004Au, QT_TRANSLATE_NOOP("QObject", "Service request has not been received for the session") },
    { 0xBFFF004Eu, QT_TRANSLATE_NOOP("QObject", "Invalid address space specified") },
    { 0xBFFF0051u, QT_TRANSLATE_NOOP("QObject", "Invalid offset specified") },
    { 0xBFFF0052u, QT_TRANSLATE_NOOP("QObject", "Invalid access width specified") },
    { 0xBFFF0054u, QT_TRANSLATE_NOOP("QObject", "Specified offset is not accessible from this hardware") },
    { 0xBFFF0055u, QT_TRANSLATE_NOOP("QObject", "Cannot support source and destination widths that are different") },
    { 0xBFFF0057u, QT_TRANSLATE_NOOP("QObject", "The specified session is not currently mapped") },
    { 0xBFFF0059u, QT_TRANSLATE_NOOP("QObject", "A previous response is still pending, causing a multiple query error") },
    { 0xBFFF005Fu, QT_TRANSLATE_NOOP("QObject", "No listeners condition is detected (both NRFD and NDAC are deasserted)") },
    { 0xBFFF0060u, QT_TRANSLATE_NOOP("QObject", "The interface associated with this session is not currently the controller in charge") },
    { 0xBFFF0061u, QT_TRANSLATE_NOOP("QObject", "The interface associated with this session is not the system controller") },
    { 0xBFFF0067u, QT_TRANSLATE_NOOP("QObject", "The given session or object reference does not support this operation") },
    { 0xBFFF0068u, QT_TRANSLATE_NOOP("QObject", "An interrupt is still pending from a previous call") },
    { 0xBFFF006Au, QT_TRANSLATE_NOOP("QObject", "A parity error occurred during transfer") },
    { 0xBFFF006Bu, QT_TRANSLATE_NOOP("QObject", "A framing error occurred during transfer") },
    { 0xBFFF006Cu, QT_TRANSLATE_NOOP("QObject", "An overrun error occurred during transfer. A character was not read from the hardware before the next character arrived") },
    { 0xBFFF006Eu, QT_TRANSLATE_NOOP("QObject", "The path from trigSrc to trigDest is not currently mapped") },
    { 0xBFFF0070u, QT_TRANSLATE_NOOP("QObject", "The specified offset is not properly aligned for the access width of the operation") },
    { 0xBFFF0071u, QT_TRANSLATE_NOOP("QObject", "A specified user buffer is not valid or cannot be accessed for the required size") },
    { 0xBFFF0072u, QT_TRANSLATE_NOOP("QObject", "The resource is valid, but VISA cannot currently access it") },
    { 0xBFFF0076u, QT_TRANSLATE_NOOP("QObject", "Specified width is not supported by this hardware") },
    { 0xBFFF0078u, QT_TRANSLATE_NOOP("QObject", "The value of some parameter (which parameter is not known) is invalid") },
    { 0xBFFF0079u, QT_TRANSLATE_NOOP("QObject", "The protocol specified is invalid") },
    { 0xBFFF007Bu, QT_TRANSLATE_NOOP("QObject", "Invalid size of window specified") },
    { 0xBFFF0080u, QT_TRANSLATE_NOOP("QObject", "The specified session currently contains a mapped window") },
    { 0xBFFF0081u, QT_TRANSLATE_NOOP("QObject", "The given operation is not implemented") },
    { 0xBFFF0083u, QT_TRANSLATE_NOOP("QObject", "Invalid length specified") },
    { 0xBFFF0091u, QT_TRANSLATE_NOOP("QObject", "The specified mode is invalid") },
    { 0xBFFF009Cu, QT_TRANSLATE_NOOP("QObject", "The current session did not have a lock on the resource") },
    { 0xBFFF009Du, QT_TRANSLATE_NOOP("QObject", "The device does not export any memory") },
    { 0xBFFF009Eu, QT_TRANSLATE_NOOP("QObject", "A code library required by VISA could not be located or loaded") },
    { 0xBFFF009Fu, QT_TRANSLATE_NOOP("QObject", "The interface cannot generate an interrupt on the requested level or with the requested statusID value") },
    { 0xBFFF00A0u, QT_TRANSLATE_NOOP("QObject", "The value specified by the line parameter is invalid") },
    { 0xBFFF00A1u, QT_TRANSLATE_NOOP("QObject", "An error occurred while trying to open the specified file. Possible reasons include an invalid path or lack of access rights") },
    { 0xBFFF00A2u, QT_TRANSLATE_NOOP("QObject", "An error occurred while performing I/O on the specified file") },
    { 0xBFFF00A3u, QT_TRANSLATE_NOOP("QObject", "One of the specified lines (trigSrc or trigDest) is not supported by this VISA implementation, or the combination of lines is not a valid mapping") },
    { 0xBFFF00A4u, QT_TRANSLATE_NOOP("QObject", "The specified mechanism is not supported for the given event type") },
    { 0xBFFF00A5u, QT_TRANSLATE_NOOP("QObject", "The interface type is valid but the specified interface number is not configured") },
    { 0xBFFF00A6u, QT_TRANSLATE_NOOP("QObject", "The connection for the given session has been lost") },
};

static_assert(std::size(visaStatusTexts) == 95, "the VISA status table holds 95 codes");

} // namespace

QString getVisaErrorMessageByCode(int status)
{
    const quint32 code = static_cast<quint32>(status);
    for (const VisaStatusText &entry : visaStatusTexts) {
        if (entry.code == code)
            return QCoreApplication::translate("QObject", entry.text);
    }
    return QString();
}
