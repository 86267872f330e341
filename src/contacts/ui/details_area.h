#pragma once
// The details of the selected team below the team list: "チーム【name】の詳細情報", ten
// fields and the prefecture. Each field writes only its own bytes of the team's record in
// Data/Info.001 when it is confirmed with [Enter] or left; the postal-code and city fields
// start the dictionary lookups, and the postal-code field shows the saved postal codes.

#include <QWidget>
#include <array>
#include <string>

#include "contacts/ui/detail_fields.h"
#include "form/screen_area.h"

class QLabel;
class FieldEdit;
class FramedShape;
class MemoEdit;
class AddressLookup;
class SavedCodePanel;

class DetailsArea : public QWidget, public ScreenArea {
    Q_OBJECT
public:
    DetailsArea(QWidget* form, FormServices& services);

    // The team of detailRecordNo as stored (the document finds it by name).
    void showDetails();
    // The window is closing: an open result panel is cancelled.
    void closeResultPanel();

    // Field i of the table (0..9): entering, leaving and the keys.
    void Edit_DetailEnter(int i);
    void Edit_DetailExit(int i);
    void Edit_DetailKeyDown(int i, int key);

    // What the lookups use. k is a team record field.
    bool hasTeam() const { return m_.detailRecordNo != 0; }
    FieldEdit* edit(int k) const;
    void showPrefecture(const std::string& bytes);
    // Writes the bytes of field k unless they are what is stored. False when a write failed
    // (the user has been told).
    bool storeField(int k, const std::string& bytes);
    // [Enter]'s write of a single-line field: the text blank-filled and stored, and shown
    // blank-filled unless the focus is to stay in the field.
    void commitByEnter(int k, bool showFilled = true);
    void focusDetail(int k);

private:
    void buildCaptions();
    void buildFields();
    // The bytes a single-line field stores for its text.
    std::string typedBytes(int k) const;
    void writeMemo();
    void backToTeamName();
    void showField(int i);
    // Team record field k as record_ holds it.
    void showStored(int k);

    std::array<FramedShape*, detail_fields::kCount> frames_{};
    std::array<FieldEdit*, detail_fields::kCount> edits_{};  // null for the memo
    MemoEdit* memo_ = nullptr;
    QLabel* name_ = nullptr;
    QLabel* nameClose_ = nullptr;
    QLabel* prefecture_ = nullptr;
    AddressLookup* lookup_ = nullptr;
    SavedCodePanel* saved_ = nullptr;

    std::string record_;     // the shown team's record as stored
    int shownRecordNo_ = 0;  // the record record_ was read from
    int editing_ = -1;       // the field whose entry was accepted
    QString memoShown_;      // the memo text as shown from record_
};
