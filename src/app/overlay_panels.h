#pragma once
// The overlay panels of the form. Each is a frame raised over the main screen when shown;
// the areas of the program fill them with their controls.

#include <QFrame>
#include <QString>

class QWidget;

namespace overlay_panels {

// The thirteen panels, created hidden with their names and places.
void createAll(QWidget* form);

// Every panel name, in the order they are listed for the form.
const QStringList& names();

}  // namespace overlay_panels
