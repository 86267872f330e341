#pragma once
// The base of every area of the main form: it reads the league, changes it through the
// document, reaches the screen state and the shared services, moves the focus by field
// number, and makes the overlay panels it owns.

#include <QFrame>
#include <QRect>

#include "form/form_services.h"

class ScreenArea {
public:
    explicit ScreenArea(FormServices& services)
        : s_(services), doc_(services.document), m_(services.model), st_(services.state) {}
    virtual ~ScreenArea() = default;

protected:
    // Gives the focus to the field with that number, if there is one.
    void focusField(int code) const;
    // An overlay panel: a raised frame over the main screen, hidden until the area shows it.
    static QFrame* makeOverlayPanel(QWidget* form, const char* name, const QRect& geometry);
    // Shows a panel of this area above everything else.
    static void raisePanel(QFrame* panel);

    FormServices& s_;
    LeagueDocument& doc_;
    const LeagueModel& m_;
    FormState& st_;
};
