#include "contacts/ui/address_lookup.h"

#include "contacts/city_reading.h"
#include "contacts/kana_input.h"
#include "contacts/postal_lookup.h"
#include "contacts/ui/details_area.h"
#include "contacts/ui/progress_panel.h"
#include "contacts/ui/zip_result_panel.h"
#include "form/field_edit.h"
#include "form/focus_codes.h"
#include "form/sjis_text.h"
#include "store/record_layout.h"
#include "store/text_ops.h"

using postal::LookupOutcome;

namespace {

// Said when a lookup that was asked for shows nothing, so that nothing is silent.
QString nothingShownMessage(LookupOutcome outcome) {
    return outcome == LookupOutcome::TooMany ? QStringLiteral("■該当する郵便番号が多すぎます（10000件まで）■")
                                             : QStringLiteral("■該当する郵便番号がありません■");
}

}  // namespace

AddressLookup::AddressLookup(QWidget* form, FormServices& services, DetailsArea& details)
    : QObject(form),
      ScreenArea(services),
      d_(details),
      results_(new ZipResultPanel(form, services)),
      progress_(new ProgressPanel(form, services)) {
    connect(results_, &ZipResultPanel::closing, this, &AddressLookup::ZipSearchClose);
}

void AddressLookup::lookupByCode() {
    FieldEdit* zip = d_.edit(team_field::PostalCode);
    matchList_ = postal::MatchList();
    // An address already typed is never overwritten by this lookup.
    const QString street = d_.edit(team_field::Street)->text();
    if (!street.isEmpty() && !street.startsWith(QLatin1Char(' '))) {
        d_.focusDetail(team_field::Street);
        return;
    }
    const postal::LookupResult r = postal::lookupByCode(s_.dir, toSjis(zip->text()));
    switch (r.outcome) {
        case LookupOutcome::NoDictionary:
            // The code is kept as typed, hyphen and all, and the focus stays.
            d_.commitByEnter(team_field::PostalCode, false);
            return;
        case LookupOutcome::Found:
            matchList_ = r.matchList;
            zip->setText(fromSjis(r.query));
            if (matchList_.count() > 1) {
                results_->open(matchList_);
                return;
            }
            if (auto rec = postal::readPostalRecord(s_.dir, matchList_.records[0])) {
                fillFromSingleMatch(*rec);
                return;
            }
            break;
        default:
            break;
    }
    // An empty code only moves on to the reading lookup.
    if (!r.query.empty() && r.query[0] != ' ') s_.messages.showMessage(nothingShownMessage(r.outcome));
    showLookupFailed();
}

void AddressLookup::fillFromSingleMatch(const postal::PostalDictRecord& rec) {
    d_.showPrefecture(rec.prefecture);
    d_.storeField(team_field::Prefecture, rec.prefecture);
    d_.edit(team_field::City)->setText(fromSjis(rec.city));
    d_.storeField(team_field::City, rec.city);
    // The street is written when its field is confirmed or left.
    d_.edit(team_field::Street)->setText(fromSjis(trimField(postal::streetOfSingleMatch(rec))));
    // A prefix that found one code stands for that code.
    d_.edit(team_field::PostalCode)->setText(fromSjis(rec.code));
    d_.focusDetail(team_field::Street);
}

// Nothing found (or too much): the code, prefecture and city are blanked on screen, and the
// city field offers the reading lookup. The blank code is written as the code field is left.
void AddressLookup::showLookupFailed() {
    d_.edit(team_field::PostalCode)->setText(QString(postal::kPostalCodeWidth, QLatin1Char(' ')));
    d_.showPrefecture(fillSpaces(postal::kPrefectureWidth));
    d_.edit(team_field::City)->setText(QString(postal::kCityWidth, QLatin1Char(' ')));
    d_.focusDetail(team_field::City);
}

void AddressLookup::lookupByReading() {
    FieldEdit* city = d_.edit(team_field::City);
    matchList_ = postal::MatchList();
    const QString typed = city->text();
    const QString text = QString::fromStdString(kana::cityFieldText(typed.toStdString()));
    if (text != typed) city->setText(text);
    const std::string query = toSjis(text);

    if (!kana::startsWithKatakanaLetter(query)) {
        // No reading: what was typed is the city.
        d_.commitByEnter(team_field::City);
        d_.focusDetail(team_field::Street);
        return;
    }
    if (postal::usableEntries(s_.dir, postal::kReadingIndexFile, postal::kReadingEntryLength) > 0) {
        progress_->show();
        st_.panelOpen = 1;
        postal::LookupResult r =
            postal::lookupByReading(s_.dir, query, [this](int percent) { progress_->showPercent(percent); });
        if (r.outcome == LookupOutcome::Found) {
            matchList_ = std::move(r.matchList);
            results_->open(matchList_);
        } else {
            s_.messages.showMessage(nothingShownMessage(r.outcome));
        }
        progress_->hide();
        if (!results_->isOpen()) st_.panelOpen = 0;
    }
    // The reading is the city until a row is chosen. Where the focus stays, the text stays
    // as typed, so that it can be corrected without first deleting the blanks.
    d_.commitByEnter(team_field::City, results_->isOpen());
}

void AddressLookup::ZipSearchClose(bool choose) {
    if (!results_->isOpen()) return;
    FieldEdit* city = d_.edit(team_field::City);
    if (!choose) {
        results_->close();
        city->setText(QString());
        st_.focusCode = focus::PostalCode;
        s_.focus.restoreFocus();
        return;
    }
    const postal::PostalDictRecord rec = results_->highlightedRecord();
    d_.edit(team_field::Street)->setText(fromSjis(trimField(rec.town)));
    d_.edit(team_field::PostalCode)->setText(fromSjis(rec.code));
    d_.storeField(team_field::PostalCode, rec.code);
    d_.showPrefecture(rec.prefecture);
    d_.storeField(team_field::Prefecture, rec.prefecture);
    city->setText(fromSjis(rec.city));
    d_.storeField(team_field::City, rec.city);
    results_->close();
    d_.focusDetail(team_field::Street);
}

void AddressLookup::cancelIfOpen() {
    ZipSearchClose(false);
}
