#pragma once
// The two dictionary lookups of the details area and what follows them: [Enter] in the
// postal-code field looks the code up, [Enter] in the city field the reading, with the
// progress panel during the scan. One code found fills the address at once; several, and
// every reading found, open the result panel, where choosing a row fills and writes the
// postal code, prefecture and city and cancelling leaves them as they were.

#include <QObject>

#include "contacts/postal_dictionary.h"
#include "form/screen_area.h"

class DetailsArea;
class ProgressPanel;
class ZipResultPanel;

class AddressLookup : public QObject, public ScreenArea {
    Q_OBJECT
public:
    AddressLookup(QWidget* form, FormServices& services, DetailsArea& details);

    // [Enter] in Edit_Zip.
    void lookupByCode();
    // [Enter] in Edit_City.
    void lookupByReading();
    // The result panel closes: choosing its highlighted row (true) or cancelling (false).
    void ZipSearchClose(bool choose);
    // Cancels the result panel if it is open (the window is closing).
    void cancelIfOpen();

    const postal::MatchList& matchList() const { return matchList_; }

private:
    void fillFromSingleMatch(const postal::PostalDictRecord& rec);
    void showLookupFailed();

    DetailsArea& d_;
    ZipResultPanel* results_;
    ProgressPanel* progress_;
    postal::MatchList matchList_;  // the last lookup's result, kept until the next
};
