#pragma once

#include "hardware/moduletypes.h"

#include <QMutex>
#include <QObject>
#include <QString>

// Common base of every module object: the carrier, the mezzanine modules and the stand-alone
// instruments. The non-virtual operations keep the module state in step with the results of
// the perform hooks, which the concrete classes implement with their driver libraries.
//
// A hook succeeds only when it returns exactly 0; a positive warning counts as failure here,
// because the concrete classes already return 0 after warnings they accept.
class ModuleInterface : public QObject
{
    Q_OBJECT
public:
    enum ModuleState : int {
        NotReached = 0,     // new object; a mezzanine whose carrier was not initialized
        NotInitialized = 1, // failed, closed, or waiting for its own init task
        Initialized = 2,    // ready; also after stop
        Configured = 3,
        Started = 4,
    };
    Q_ENUM(ModuleState)

    explicit ModuleInterface(QObject *parent = nullptr);
    ~ModuleInterface() override;

    virtual QString namePrefix() const;

    int init();
    int selftest();
    int configure();
    int start();
    int dataReading();
    int reset();
    int stop();
    int close();
    void errorMessage(int status);

    // Emits errorOccured for a real failure; warnings and demonstration runs stay silent.
    void sendError(int status);

    int id() const { return m_id; }
    QString name() const { return m_name; }
    ModuleTypes type() const { return m_type; }
    QString base() const { return m_base; }
    QString path() const { return m_path; }
    int position() const { return m_position; }
    ModuleState state() const { return m_state; }
    int status() const { return m_status; }
    quint32 handle() const { return m_handle; }
    quint32 mainHandle() const { return m_mainHandle; }
    QString errorString() const { return m_errorString; }
    QString selfTestMessage() const { return m_selfTestMessage; }
    int selfTestResultCode() const { return m_selfTestResultCode; }
    bool demoMode() const { return m_demoMode; }

    // For callers that hold the module across a sequence of driver calls; it is recursive,
    // so the module's own operations may lock it again inside.
    QMutex *lockMutex() { return &m_mutex; }

    void setState(ModuleInterface::ModuleState state) { m_state = state; }
    void setStatus(long status) { m_status = static_cast<qint32>(status); }
    void setHandle(unsigned long handle) { m_handle = static_cast<quint32>(handle); }
    void setMainHandle(unsigned long handle) { m_mainHandle = static_cast<quint32>(handle); }
    void setErrorString(const QString &text) { m_errorString = text; }
    void setSelfTestMessage(const QString &text) { m_selfTestMessage = text; }
    void setSelfTestResultCode(long code) { m_selfTestResultCode = static_cast<qint16>(code); }
    void setDemoMode(bool on) { m_demoMode = on; }

public slots:
    void setId(int id);
    void setName(const QString &name);
    void setBase(const QString &base);
    void setPath(const QString &path);
    void setPosition(int position);

signals:
    void stateChanged(ModuleInterface::ModuleState state);
    void nameChanged(const QString &name);
    void baseChanged(const QString &base);
    void pathChanged(const QString &path);
    void positionChanged(int position);
    void errorOccured();

protected:
    virtual int performInit() = 0;
    virtual int performSelftest() = 0;
    virtual int performConfigure() = 0;
    virtual int performStart() = 0;
    virtual int performDataReading();
    virtual int performReset() = 0;
    virtual int performStop() = 0;
    virtual int performClose() = 0;
    // Composes the error text of a failed driver call, stores it and reports it.
    virtual void performErrorMessage(int status) = 0;

    // Only the concrete classes know what they are.
    void setType(ModuleTypes type) { m_type = type; }

private:
    Q_DISABLE_COPY(ModuleInterface)

    int m_id = -1;
    QString m_name;
    ModuleTypes m_type = ModuleTypeNone;
    QString m_base;
    int m_position = 1;
    QString m_path;
    QString m_selfTestMessage;
    qint16 m_selfTestResultCode = 0;
    QString m_errorString;
    quint32 m_handle = 0;
    quint32 m_mainHandle = 0;
    qint32 m_status = 0;
    ModuleState m_state = NotReached;
    bool m_demoMode = false;
    QMutex m_mutex { QMutex::Recursive };
};
