#pragma once
// A league whose group 1 holds four teams, with team register records that are not their
// position numbers: 港北 has record 1, 緑ヶ丘 record 2, ＡＢＣ record 3, and 桜台, in row 2,
// record 7, filled with details and a memo that begins with a blank. Record 9 belongs to a
// team of no shown group. Optionally the small postal dictionary of the fixtures.

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include "store/data_dir.h"
#include "store/sjis.h"
#include "store/text_ops.h"
#include "support/form_fixture.h"
#include "support/records.h"

class DetailsFixture : public FormTest {
protected:
    static std::string sj(const char* utf8) { return sjis::fromUnicode(utf8); }
    static std::string padded(const char* utf8, int width) { return padField(sj(utf8), false, width); }

    void prepareFiles() override {
        folder_.write(files::kResults, resultsHeader("380") + termBlock({{1, resultRecord("港北")},
                                                                         {2, resultRecord("桜台")},
                                                                         {3, resultRecord("緑ヶ丘")},
                                                                         {4, resultRecord("ＡＢＣ")}}));
        std::string sakura = teamRecord("旧代表", "桜台");
        sakura.replace(16, 13, padded("090-1111-2222", 13));
        sakura.replace(55, 8, padded("1600018", 8));
        sakura.replace(63, 8, padded("東京都", 8));
        sakura.replace(71, 20, padded("新宿区", 20));
        sakura.replace(211, 400, padded(" 字下げのメモ", 400));
        register_ = teamRegister({{1, teamRecord("", "港北")},
                                  {2, teamRecord("", "緑ヶ丘")},
                                  {3, teamRecord("", "ＡＢＣ")},
                                  {7, sakura},
                                  {9, teamRecord("九番代表", "九番", '#')}});
        folder_.write(files::kTeamRegister, register_);
        if (withDictionary_)
            for (const char* name : {"ZipNo.txt", "ZipNo.idx", "ZipKana.idx"})
                folder_.copyFixture(std::string("postal/jpostal/Zip/") + name, std::string("Zip/") + name);
    }

    // Row n of group 1 selected and confirmed: the focus is on its representative's name.
    void chooseTeam(int n) {
        click(child(QStringLiteral("Edit_TeamName_%1").arg(n, 2, 10, QLatin1Char('0'))));
        key(Qt::Key_Return);
        ASSERT_EQ(focusName(), "Edit_SyousaiDaihyouName");
    }
    void enterField(const char* name) {
        click(child(name));
        ASSERT_EQ(focusName(), name);
    }
    // Typed key by key, as into a field whose input method is off.
    void keys(const char* ascii) {
        for (const char* c = ascii; *c; ++c) QTest::keyClick(form_->windowHandle(), *c);
        QApplication::processEvents();
    }
    void clearField() {
        key(Qt::Key_A, Qt::ControlModifier);
        key(Qt::Key_Delete);
    }
    QString text(const QString& name) const {
        if (auto* e = child<QLineEdit>(name)) return e->text();
        if (auto* m = child<QPlainTextEdit>(name)) return m->toPlainText();
        return child<QLabel>(name)->text();
    }
    std::string record(int n) const { return folder_.read(files::kTeamRegister).substr(teamAt(n), 1000); }
    // The register with the bytes of one field of one record replaced.
    std::string registerWith(int n, int offset, const std::string& bytes) const {
        std::string r = register_;
        r.replace(teamAt(n) + offset, bytes.size(), bytes);
        return r;
    }

    bool withDictionary_ = false;
    std::string register_;
};
