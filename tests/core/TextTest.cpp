#include "model/PatientRecord.h"
#include "text/StringTable.h"
#include "text/TextCodec.h"

#include <gtest/gtest.h>

using namespace kestrova;

TEST(TextCodec, StoredBytesDecodeAsUtf8OrWindows1252) {
    EXPECT_EQ(decodeStoredText("M\xc3\xbcller"), "M\xc3\xbcller");   // UTF-8 stays
    EXPECT_EQ(decodeStoredText("M\xfcller"), "M\xc3\xbcller");       // 1252 ü
    EXPECT_EQ(decodeStoredText("\x80 5"), "\xe2\x82\xac 5");         // 1252 euro sign
    EXPECT_EQ(decodeStoredText("\xc0\x80"), "\xc3\x80\xe2\x82\xac"); // overlong is not UTF-8
}

TEST(TextCodec, FieldsNeverCutACharacter) {
    char name[30];
    // 29 ASCII + 'é' (2 bytes) would need 31 bytes: the 'é' is left out entirely.
    storeField(name, std::string(29, 'a') + "\xc3\xa9", 30);
    EXPECT_EQ(fieldBytes(name), std::string(29, 'a'));
    EXPECT_TRUE(isValidUtf8(fieldBytes(name)));
    // The character limit counts characters, not bytes.
    char note[50];
    std::string many;
    for (int i = 0; i < 45; ++i) many += "\xc3\xa9";
    storeField(note, many, 40);
    EXPECT_EQ(fieldBytes(note).size(), 50u); // 25 characters fill the 50 bytes
    EXPECT_EQ(boundedUtf8("abcdef", 30, 4), "abcd");
}

TEST(StringTable, TextsByIdAndOverrides) {
    EXPECT_EQ(tr(str::CantOpenFile), "can't open the file");
    EXPECT_EQ(tr(str::CreateExcelFailed), "Create Excel service failed !");
    EXPECT_EQ(tr(str::RollStepRange), "Please input a num which is between 0 and");
    EXPECT_EQ(tr(4242), "");
    StringTable::loadOverrides("# localised\n156\tDatei nicht lesbar\r\nbad line\n");
    EXPECT_EQ(tr(str::CantOpenFile), "Datei nicht lesbar");
    StringTable::reset();
    EXPECT_EQ(tr(str::CantOpenFile), "can't open the file");
}
