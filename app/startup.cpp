#include "app/startup.h"

#include "app/options.h"
#include "app/praluneversion.h"

#include <QCoreApplication>

#include <cstdio>
#include <exception>

namespace Startup {

const char organization[] = "corvanta";
const char application[] = "pralune";
const char version[] = PRALUNE_VERSION;
const char organizationDomain[] = "corvanta.example";

void selectInputMethod(const Options &options)
{
    // The key under which Qt's virtual-keyboard plug-in registers itself.
    if (options.virtual_keyboard)
        qputenv("QT_IM_MODULE", QByteArrayLiteral("qtvirtualkeyboard"));
}

void setApplicationIdentity()
{
    QCoreApplication::setApplicationName(QObject::tr("pralune"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(version));
    QCoreApplication::setOrganizationName(QObject::tr("corvanta"));
    QCoreApplication::setOrganizationDomain(QString::fromLatin1(organizationDomain));
}

int runEventLoop(const std::function<int()> &loop)
{
    try {
        return loop();
    } catch (const std::exception &error) {
        std::fprintf(stderr, "pralune: the event loop ended by an exception: %s\n", error.what());
    } catch (...) {
        std::fprintf(stderr, "pralune: the event loop ended by an unknown exception\n");
    }
    std::fflush(stderr);
    return 1;
}

void writeOptionsBack()
{
    const Options options = load_from_cache();
    save_to_environment(options, QString::fromLatin1(organization),
                        QString::fromLatin1(application));
}

} // namespace Startup
