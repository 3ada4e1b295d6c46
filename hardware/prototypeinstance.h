#pragma once

#include <QMetaObject>
#include <QObject>

// A new object of the prototype's own class, made through its invokable constructor with a
// null parent, when that class is a T; null otherwise. The caller owns the result.
template <class T>
T *newInstanceOfPrototype(const QObject *prototype)
{
    if (!prototype)
        return nullptr;
    QObject *object = prototype->metaObject()->newInstance(Q_ARG(QObject *, nullptr));
    T *instance = qobject_cast<T *>(object);
    if (!instance)
        delete object;
    return instance;
}
