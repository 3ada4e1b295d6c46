#pragma once

#include "app/arrangementstate.h"
#include "app/options.h"

#include <QList>
#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <memory>

class InstrumentsContentWidget;
class PraluneWindow;

class ResourceInterface;

// What the tests of the real main window share: the page it shows, arrangements of the
// demonstration's resources, a look to put the shell in and the controls out of a person's reach.

// The simulated search takes 200 ms a module; give it room on a loaded machine.
constexpr int reachTimeoutMs = 15000;

// Before a test case of the window: the demonstration road whatever bench the shell names,
// settings in the test folders, and the program's assets, faces and sheet. False when a face
// or the sheet could not be had.
bool prepareWindowTests();

// After each test of the window: no resource, module, arrangement or stored window geometry
// left for the next, which starts with the window where it puts it.
void resetWindowTests();

// The page a frame of the window shows, nullptr when it shows none.
QWidget *shownIn(PraluneWindow &window, const char *frameName);

template<class Page>
bool shows(PraluneWindow &window)
{
    return qobject_cast<Page *>(shownIn(window, "contentFrame"));
}

InstrumentsContentWidget *instruments(PraluneWindow &window);

// The resources the demonstration modules offer, by view type, in the creator's order.
QMap<QString, QList<std::shared_ptr<ResourceInterface>>> possibleByView();

// An arrangement of real resources: each entry names a view type, a trailing '*' marks it
// maximized; a view type named twice takes its next resource.
ArrangementState arrangementOf(const QStringList &entries);

// Puts the shell into a colour theme, font size and language for one test, with automatic
// initialization, and back into the light standard sheet and English afterwards.
class Look
{
public:
    Look(int theme, int font, const QString &language);
    ~Look();
    Look(const Look &) = delete;
    Look &operator=(const Look &) = delete;

    bool applied = false;

private:
    const Options m_before;
};

// The controls of a page that cannot be brought whole into the window: each is scrolled into
// view by every scroll area it lies in, innermost first, and must then lie inside every widget
// around it up to the window. A control hidden by its form (another tab) is not counted.
QStringList controlsOutOfReach(PraluneWindow &window, QWidget *page);
