#include "record_entry.h"
#include "record_store.h"

#include "desk_fixture.h"

#include <QChar>

namespace {

class BadInput : public DeskTest {
protected:
    // The store file loaded afresh into the table.
    void reload() {
        table.clearRows();
        EXPECT_TRUE(loadRegister(path(), table));
    }
};

TEST_F(BadInput, InvalidGbkBytesLoadAsTheyAreAndSaveBackUnchanged) {
    const QByteArray file("1---\x80\x41---\xFF\xFF---d---e---f\r\n");
    writeFile(file);
    reload();
    ASSERT_EQ(table.rowCount(), 1);
    EXPECT_EQ(table.cellText(0, GroupCount), "\x80\x41");
    EXPECT_EQ(table.cellText(0, Location), "\xFF\xFF");
    // Shown with a replacement character where the bytes make no character.
    EXPECT_TRUE(fromGbk(table.cellText(0, Location)).contains(QChar::ReplacementCharacter));
    ASSERT_TRUE(saveRegister(path(), table));
    EXPECT_EQ(readFile(), file);
}

TEST_F(BadInput, LoneLeadByteTakesTheNextByteAlongEvenADash) {
    writeFile("a---\xA1---c---d---e---f\r\n");
    reload();
    ASSERT_EQ(table.rowCount(), 1);
    EXPECT_EQ(table.cellText(0, GroupCount), "\xA1---c");
    EXPECT_EQ(table.cellText(0, Age), "f");
    EXPECT_EQ(table.cellText(0, DueDate), "");
}

TEST_F(BadInput, LeadByteAtTheEndOfTheFileStaysInTheLastCell) {
    writeFile("a---b---c---d---e---\xD6");
    reload();
    ASSERT_EQ(table.rowCount(), 1);
    EXPECT_EQ(table.cellText(0, DueDate), "\xD6");
}

TEST_F(BadInput, TenMegabyteSingleLineIsOneRow) {
    const QByteArray huge(10 << 20, '7');
    writeFile("a---b---c---d---e---" + huge);
    reload();
    ASSERT_EQ(table.rowCount(), 1);
    EXPECT_EQ(table.cellText(0, Age), "e");
    EXPECT_EQ(table.cellText(0, DueDate), huge);

    writeFile(huge + "\n" + huge);
    reload();
    ASSERT_EQ(table.rowCount(), 1);
    EXPECT_EQ(table.cellText(0, SpecimenNumber).size(), 2 * huge.size() + 1);
}

struct FieldCase {
    const char* name;
    QString text;
};

void PrintTo(const FieldCase& c, std::ostream* out) {
    *out << c.name;
}

class EnteredText : public BadInput, public testing::WithParamInterface<FieldCase> {};

// What a user can type or paste and the store can carry is kept whole: entered, saved,
// loaded again and shown, it is the same text.
TEST_P(EnteredText, ComesBackWholeFromTheStore) {
    const QByteArray text = toGbk(GetParam().text);
    fields.texts = {{EntryField::Number, "1"},       {EntryField::Groups, "1"},
                    {EntryField::Location, text},    {EntryField::MoldingDate, text},
                    {EntryField::Age, gbk(u"２８")}, {EntryField::DueDate, text}};
    enterRecord(desk);
    ASSERT_TRUE(informer.shown.isEmpty());
    reload();
    ASSERT_EQ(table.rowCount(), 1);
    for (const int column : {Location, MoldingDate, DueDate})
        EXPECT_EQ(fromGbk(table.cellText(0, column)), GetParam().text) << "column " << column;
    EXPECT_EQ(fromGbk(table.cellText(0, Age)), u"２８");
}

INSTANTIATE_TEST_SUITE_P(
    Fields, EnteredText,
    testing::Values(FieldCase{"outside_gbk", QStringLiteral("𠀀😀①€ｘ")},
                    FieldCase{"outside_gbk_before_a_dash", QStringLiteral("𠀀-😀")},
                    FieldCase{"thousands_of_characters", QString(5000, QChar(u'柱'))},
                    FieldCase{"tens_of_thousands_of_digits", QString(20000, QChar(u'7'))},
                    FieldCase{"two_dashes", QStringLiteral("3--5")},
                    FieldCase{"full_width_dashes", QStringLiteral("－－－")}),
    [](const testing::TestParamInfo<FieldCase>& info) { return info.param.name; });

} // namespace
