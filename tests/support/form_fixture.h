#pragma once
// Starts the real main form in a fresh working folder on the offscreen platform, lets a
// test drive it with keys and clicks the way a user would, and closes it afterwards.

#include <gtest/gtest.h>

#include <QApplication>
#include <QString>
#include <QWidget>
#include <memory>

#include "app/base_ball_form.h"
#include "form/form_commands.h"
#include "store/calendar.h"
#include "support/temp_folder.h"

class FormTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Lays files first (override), then starts the form.
    virtual void prepareFiles() {}
    void startForm();
    void closeForm();

    template <typename T = QWidget>
    T* child(const QString& name) const {
        return form_->findChild<T*>(name);
    }
    QString focusName() const;
    const LeagueModel& model() const { return form_->model(); }
    // A state the screens cannot reach, set by hand (a later today, a count).
    LeagueModel& changeModel() const;
    FormState& state() const { return form_->state(); }
    // A command goes to f instead of the area that carries it out.
    template <typename Signal, typename F>
    void takeCommand(Signal signal, F f) {
        FormCommands* c = form_->findChild<FormCommands*>();
        QObject::disconnect(c, signal, nullptr, nullptr);
        QObject::connect(c, signal, f);
    }
    // The name of the field whose focus number is recorded (the one restoreFocus returns to).
    QString recordedFocus() const;
    void key(int qtKey, Qt::KeyboardModifiers mods = Qt::NoModifier);
    void click(QWidget* w);
    // Text committed into the focused field the way an input method hands it over.
    void typeText(const QString& text);
    // The timer of the save-and-refusal panel ticks once: the message it then shows, or empty
    // when none is on its way. A call while a message shows lets its time run out.
    QString shownMessage();
    // A panel that opened of itself holds its keys for a moment, until the user has seen it:
    // the moment passes (its timers fire).
    void releasePanelKeys();

    TempFolder folder_;
    std::unique_ptr<TBaseBall> form_;
    LocalDateTime today_{2026, 12, 8, 10, 0, 0};
};
