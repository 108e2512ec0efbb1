#include "qt/KeyMapping.h"
#include "runtime/Keys.h"

#include <QString>

#include <gtest/gtest.h>

namespace tarvik::testing {
namespace {

using Kind = RuntimeKey::Kind;

TEST(KeyMappingTest, PrintableTextIsTypedAsCharacters)
{
    for (const auto& [key, text, character] : {std::tuple{int(Qt::Key_A), "a", 'a'}, {int(Qt::Key_A), "A", 'A'},
                                              {int(Qt::Key_Exclam), "!", '!'}, {int(Qt::Key_Period), ".", '.'},
                                              {int(Qt::Key_Space), " ", ' '}}) {
        const RuntimeKey mapped = runtimeKeyOf(key, key == Qt::Key_Exclam ? Qt::ShiftModifier : Qt::NoModifier, text);
        EXPECT_EQ(mapped.kind, Kind::Character) << text;
        EXPECT_EQ(mapped.character, character) << text;
    }
}

TEST(KeyMappingTest, EditingAndCommandKeysGoAsKeysWithTheirShiftState)
{
    const RuntimeKey enter = runtimeKeyOf(Qt::Key_Return, Qt::NoModifier, "\r");
    EXPECT_EQ(enter.kind, Kind::Key);
    EXPECT_EQ(enter.keyCode, static_cast<int>(Key::Enter));

    const RuntimeKey backTab = runtimeKeyOf(Qt::Key_Backtab, Qt::ShiftModifier, "");
    EXPECT_EQ(backTab.keyCode, static_cast<int>(Key::Tab));
    EXPECT_EQ(backTab.shift, ShiftMask);

    // Ctrl+V arrives as the V key with Ctrl, so the runtime hands KeyPress character 22.
    const RuntimeKey paste = runtimeKeyOf(Qt::Key_V, Qt::ControlModifier, QString(QChar(22)));
    EXPECT_EQ(paste.kind, Kind::Key);
    EXPECT_EQ(paste.keyCode, 'V');
    EXPECT_EQ(characterOf(paste.keyCode, paste.shift), 22);

    const RuntimeKey access = runtimeKeyOf(Qt::Key_R, Qt::AltModifier, "r");
    EXPECT_EQ(access.keyCode, 'R');
    EXPECT_EQ(access.shift, AltMask);

    EXPECT_EQ(runtimeKeyOf(Qt::Key_F3, Qt::NoModifier, "").keyCode, static_cast<int>(Key::F1) + 2);
    EXPECT_EQ(runtimeKeyOf(Qt::Key_Home, Qt::ShiftModifier, "").shift, ShiftMask);
}

TEST(KeyMappingTest, ModifiersAloneAndTextOutsideAsciiAreNotKeystrokes)
{
    EXPECT_EQ(runtimeKeyOf(Qt::Key_Shift, Qt::ShiftModifier, "").kind, Kind::None);
    EXPECT_EQ(runtimeKeyOf(Qt::Key_Control, Qt::ControlModifier, "").kind, Kind::None);
    EXPECT_EQ(runtimeKeyOf(Qt::Key_Eacute, Qt::NoModifier, QString(QChar(0xE9))).kind, Kind::None);
    EXPECT_EQ(runtimeKeyOf(Qt::Key_Comma, Qt::ControlModifier, ",").kind, Kind::None);
}

} // namespace
} // namespace tarvik::testing
