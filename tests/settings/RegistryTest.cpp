#include "settings/Registry.h"

#include "tests/CaseName.h"
#include "tests/settings/MemoryStore.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace quillane {
namespace {

const QString Key = u"Software\\Kestrova\\Quillane"_s;

QString withNul(const char16_t* text, qsizetype size) {
    return QStringView(text, size).toString();
}

struct ReadCase {
    const char* name;
    QVariant stored; // invalid: absent
    QString text;    // GetString with the default "default"
    qint32 number;   // GetDWord with the default 7
};

class RegistryReadTest : public testing::TestWithParam<ReadCase> {};

TEST_P(RegistryReadTest, AnswersOnlyItsOwnTypeElseTheDefault) {
    MemoryStore store;
    if (GetParam().stored.isValid())
        store.values.insert(Key + u"|v"_s, GetParam().stored);
    const Registry registry(store);
    EXPECT_EQ(registry.GetString(RegistryRoot::CurrentUser, Key, u"v"_s, u"default"_s),
              GetParam().text);
    EXPECT_EQ(registry.GetDWord(RegistryRoot::CurrentUser, Key, u"v"_s, 7), GetParam().number);
}

INSTANTIATE_TEST_SUITE_P(
    Types, RegistryReadTest,
    testing::Values(ReadCase{"Absent", QVariant(), u"default"_s, 7},
                    ReadCase{"PlainString", QVariant(u"96"_s), u"96"_s, 7},
                    ReadCase{"EmptyStringIsAValue", QVariant(QString()), u""_s, 7},
                    ReadCase{"CutAtFirstNul", QVariant(withNul(u"ab\0c\0d", 6)), u"ab"_s, 7},
                    ReadCase{"List", QVariant(QStringList{u"a"_s, u"b"_s}), u"default"_s, 7},
                    ReadCase{"Bytes", QVariant(QByteArray("abc")), u"default"_s, 7},
                    ReadCase{"Signed", QVariant(96), u"default"_s, 96},
                    ReadCase{"UnsignedKeepsItsBits", QVariant(0xFFFFFFFFu), u"default"_s, -1},
                    ReadCase{"SixtyFourBits", QVariant(qint64(96)), u"default"_s, 7}),
    CaseName());

TEST(RegistryTest, OtherRootsAreEmptyAndTakeNoWrites) {
    MemoryStore store;
    store.values.insert(Key + u"|v"_s, 120);
    Registry registry(store);
    for (const RegistryRoot root : {RegistryRoot::CurrentConfig, RegistryRoot::LocalMachine}) {
        EXPECT_EQ(registry.GetDWord(root, Key, u"v"_s), 0);
        EXPECT_FALSE(registry.SaveString(root, Key, u"w"_s, u"x"_s));
        EXPECT_FALSE(registry.removeKey(root, Key + u"\\Filter"_s));
    }
    EXPECT_EQ(store.values.size(), 1);
}

} // namespace
} // namespace quillane
