#include "contacts/ui/detail_fields.h"

#include "form/focus_codes.h"
#include "store/record_layout.h"

namespace detail_fields {

namespace {

// Rows of the left column; the memo takes the right.
constexpr int kLabelX = 132, kLabelW = 62, kEditX = 196, kRightLabelX = 338, kRightEditX = 400;
constexpr int kTop = 436, kPitch = 26, kHeight = 24;

constexpr int rowY(int row) {
    return kTop + kPitch * row;
}
QRect caption(int x, int row) {
    return QRect(x, rowY(row), kLabelW, kHeight);
}
QRect frame(int x, int row, int width) {
    return QRect(x, rowY(row), width, kHeight);
}

}  // namespace

const std::array<DetailField, kCount>& all() {
    using namespace team_field;
    // clang-format off
    static const std::array<DetailField, kCount> table{{
        {Representative, "Edit_SyousaiDaihyouName", "Shape_SyousaiDaihyouName", "代表者名",
         caption(kLabelX, 0), frame(kEditX, 0, 132), focus::Representative, InputKind::Japanese,
         "左で選択しているチームの代表者名(省略も可)を全角8文字以内で入力します．入力後は[Enter]キーを押してください．",
         "[ESC]キーでコマンドパネルを開きます．[Home or F9]キーでチーム名の入力に戻ります．"},
        {Mobile, "Edit_Keitai", "Shape_Keitai", "携帯電話",
         caption(kRightLabelX, 0), frame(kRightEditX, 0, 112), focus::Mobile, InputKind::Latin,
         "左で選択しているチーム代表者名の携帯電話番号(省略も可)を半角13文字以内で入力します．入力後は[Enter]キーを押してください．",
         "[Home]キーで代表者名へ戻ります．[ESC]キーでコマンドパネルを開きます．[F9]キーでチーム名の入力に戻ります．"},
        {Telephone, "Edit_SyousaiTel", "Shape_SyousaiTel", "電話番号",
         caption(kLabelX, 1), frame(kEditX, 1, 112), focus::Telephone, InputKind::Latin,
         "左で選択しているチーム代表者名の電話番号(省略も可)を半角13文字以内で入力します．入力後は[Enter]キーを押してください．",
         "[Home]キーで携帯番号へ戻ります．[ESC]キーでコマンドパネルを開きます．[F9]キーでチーム名の入力に戻ります．"},
        {Fax, "Edit_SyousaiFax", "Shape_SyousaiFax", "FAX",
         caption(kRightLabelX, 1), frame(kRightEditX, 1, 112), focus::Fax, InputKind::Latin,
         "左で選択しているチーム代表者名のFAX番号(省略も可)を半角13文字以内で入力します．入力後は[Enter]キーを押してください．",
         "[Home]キーで電話番号へ戻ります．[ESC]キーでコマンドパネルを開きます．[F9]キーでチーム名の入力に戻ります．"},
        {PostalCode, "Edit_Zip", "Shape_Zip", "郵便番号",
         caption(kLabelX, 2), frame(kEditX, 2, 78), focus::PostalCode, InputKind::Latin,
         "左で選択しているチーム代表者の住所の郵便番号を半角8文字以内で入力します．入力後は[Enter]キーを押してください．",
         "[Home]キーでＦＡＸ番号へ戻ります．[ESC]キーでコマンドパネルを開きます．[F9]キーでチーム名の入力に戻ります．"},
        {City, "Edit_City", "Shape_City", "区市郡",
         caption(kLabelX, 3), frame(kEditX, 3, 162), focus::City, InputKind::Reading,
         "半角カナ20文字以内で探したい住所の一部の読みを入力しEnterキーを押します．漢字（全角文字）で入力しないでください.",
         "[Home]キーで郵便番号へ戻ります．[ESC]キーでコマンドパネルを開きます．[F9]キーでチーム名の入力に戻ります．"},
        {Street, "Edit_Banti", "Shape_Banti", "番地",
         caption(kLabelX, 4), frame(kEditX, 4, 320), focus::Street, InputKind::Japanese,
         "左で選択しているチーム代表者代表者の住所（番地ほか）を全角20文字以内で入力します．入力後は[Enter]キーを押してください．",
         "[Home]キーで住所（区市郡）へ戻ります．[ESC]キーでコマンドパネルを開きます．[F9]キーでチーム名の入力に戻ります．"},
        {Building, "Edit_Bill", "Shape_Bill", "建物",
         caption(kLabelX, 5), frame(kEditX, 5, 320), focus::Building, InputKind::Japanese,
         "左で選択しているチーム代表者の住所のマンション名・アパート名を全角20文字以内で入力します．入力後は[Enter]キーを押してください．",
         "[Home]キーで住所（番地ほか）へ戻ります．[ESC]キーでコマンドパネルを開きます．[F9]キーでチーム名の入力に戻ります．"},
        {Mail, "Edit_Mail", "Shape_Mail", "メール",
         caption(kLabelX, 6), frame(kEditX, 6, 320), focus::Mail, InputKind::Japanese,
         "左で選択しているチーム代表者のメールアドレス(省略も可)を半角40文字以内で入力します．入力後は[Enter]キーを押してください．",
         "[Home]キーで建物名へ戻ります．[ESC]キーでコマンドパネルを開きます．[F9]キーでチーム名の入力に戻ります．"},
        {Remarks, "Memo_Syousai", "Shape_SyousaiMemo", "備考",
         QRect(520, rowY(0), kLabelW, kHeight), QRect(520, rowY(0) + kHeight, 244, 170), focus::Remarks,
         InputKind::Japanese,
         "左で選択しているチームについてのメモ(省略も可)を全角200文字以内(半角文字混在可)で入力します．この項目は[Enter]キーが改行になります．",
         "[Home]キーでメールアドレスへ戻ります．[F9]キーでチーム名の入力に戻ってください．[ESC]キーでコマンドパネルを開きます．"},
    }};
    // clang-format on
    return table;
}

int indexOfField(int k) {
    for (int i = 0; i < kCount; ++i)
        if (all()[i].field == k) return i;
    return -1;
}

}  // namespace detail_fields
