#include "files/PatientDatabase.h"
#include "text/TextCodec.h"

#include "TestSupport.h"

#include <cstring>
#include <gtest/gtest.h>

using namespace kestrova;

namespace {
PatientRecord fullRecord(int id) {
    PatientRecord r;
    r.id = id;
    std::memcpy(r.name, "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123", 30); // no terminator
    r.gender = 1;
    r.age = 61;
    r.height = 70;
    r.weight = 150;
    std::strcpy(r.physician, "Dr. Okafor");
    std::strcpy(r.note1, "CPAP since 2019");
    std::strcpy(r.note2, "second note");
    std::strcpy(r.comments, "comment text");
    r.unitSystem = 1;
    return r;
}
} // namespace

TEST(PatientDatabase, FirstStartCreatesAnEmptyFileOnce) {
    test::TempDir home;
    const PatientDatabase db(home.path() + "/");
    EXPECT_FALSE(db.ensurePatientDatabase()); // the caller shows the message
    EXPECT_EQ(test::fileSize(home.file("bldb/pationtrec.dat")), 0);
    EXPECT_TRUE(db.ensurePatientDatabase());
}

TEST(PatientDatabase, StoringGrowsAnEmptyFileOnlyToTheSlot) {
    test::TempDir home;
    const PatientDatabase db(home.path() + "/");
    db.ensurePatientDatabase();
    ASSERT_TRUE(db.storePatientRecord(5, fullRecord(5)));
    const std::string bytes = test::readFile(db.path());
    ASSERT_EQ(bytes.size(), 1440u);
    EXPECT_EQ(bytes.substr(0, 4 * 288), std::string(4 * 288, '\0'));
}

TEST(PatientDatabase, StoringIntoAMissingFileCreatesAllSlots) {
    test::TempDir home;
    const PatientDatabase db(home.path() + "/");
    ASSERT_TRUE(db.storePatientRecord(3, fullRecord(3)));
    EXPECT_EQ(test::fileSize(db.path()), 36864);
    EXPECT_FALSE(db.storePatientRecord(0, fullRecord(0)));
    EXPECT_FALSE(db.storePatientRecord(129, fullRecord(129)));
    EXPECT_EQ(test::fileSize(db.path()), 36864);
}

TEST(PatientDatabase, EveryFieldRoundTripsAtItsOffset) {
    test::TempDir home;
    const PatientDatabase db(home.path() + "/");
    const PatientRecord stored = fullRecord(128);
    ASSERT_TRUE(db.storePatientRecord(128, stored));
    const std::string bytes = test::readFile(db.path());
    const std::string slot = bytes.substr(127 * 288, 288);
    EXPECT_EQ(slot.substr(4, 30), "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123");
    EXPECT_EQ(slot.substr(52, 10), "Dr. Okafor");
    EXPECT_EQ(static_cast<unsigned char>(slot[284]), 1u);

    PatientRecord loaded;
    db.loadPatientRecord(127, loaded);
    EXPECT_EQ(std::memcmp(&loaded, &stored, sizeof stored), 0);
    EXPECT_EQ(fieldBytes(loaded.name).size(), 30u); // bounded by the field, not by a terminator
}

TEST(PatientDatabase, AnEmptySlotGivesOnlyTheId) {
    test::TempDir home;
    const PatientDatabase db(home.path() + "/");
    ASSERT_TRUE(db.storePatientRecord(1, fullRecord(1))); // 36864 zero bytes but slot 1
    PatientRecord r = fullRecord(44);                     // a previous patient's details
    db.loadPatientRecord(9, r);
    PatientRecord expected;
    expected.id = 10;
    EXPECT_EQ(std::memcmp(&r, &expected, sizeof r), 0);

    // The same for a slot past the end of a short file and for a missing file.
    const PatientDatabase shortDb(home.path() + "/short/");
    shortDb.ensurePatientDatabase();
    r = fullRecord(44);
    shortDb.loadPatientRecord(20, r);
    EXPECT_EQ(r.id, 21);
    EXPECT_EQ(r.age, 0);

    r = fullRecord(44);
    db.loadPatientRecord(128, r); // not a slot: nothing happens
    EXPECT_EQ(r.id, 44);
}

TEST(PatientDatabase, DeletingDetailsLeavesTheIdInTheSlot) {
    test::TempDir home;
    const PatientDatabase db(home.path() + "/");
    ASSERT_TRUE(db.storePatientRecord(7, fullRecord(7)));
    PatientRecord cleared;
    cleared.id = 7;
    ASSERT_TRUE(db.storePatientRecord(7, cleared));
    const std::string slot = test::readFile(db.path()).substr(6 * 288, 288);
    EXPECT_EQ(slot, std::string("\x07\0\0\0", 4) + std::string(284, '\0'));
}
