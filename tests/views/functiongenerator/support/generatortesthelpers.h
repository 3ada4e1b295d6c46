#pragma once

#include "app/options.h"
#include "resources/functiongeneratoroptions.h"

#include <QString>
#include <QWidget>

// Small helpers the generator's tests share.

// A named child the test relies on; a missing one ends the test at once, since every check
// after it would only fail less clearly.
template<typename T>
T *child(const QWidget &widget, const char *name)
{
    T *found = widget.findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no child %s", name);
    return found;
}

template<typename T>
T *child(const QWidget *widget, const char *name)
{
    return child<T>(*widget, name);
}

inline FunctionGeneratorValueLimits limits(double min, double max, unsigned decimals, double step)
{
    FunctionGeneratorValueLimits l;
    l.min = min;
    l.max = max;
    l.decimals = decimals;
    l.step = step;
    return l;
}

// The colour theme the panels pick their plot colours and icons by.
inline void setTheme(int theme)
{
    Options options = load_from_cache();
    options.color_theme = theme;
    save_to_cache(options);
}
