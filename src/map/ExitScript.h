#pragma once

#include <QByteArray>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace zantor {

class RomFile;
struct ScreenFacts;

constexpr uint8_t kExitScriptEnd = 0xFF;
// Longer scripts are taken for a table word that leads astray.
constexpr int kMaxExitScriptLength = 64;

// One command of an exit script, known by its high nibble.
struct ExitCommand {
    enum class Kind {
        Warp,           // 0x40 YX: camera and player to screen row Y, column X
        CameraY,        // 0x30 a b: camera Y low byte a, player Y low byte b
        EnemyGraphics,  // 0xB0 bank lo hi: 0x380 bytes of enemy graphics from bank:hi lo
        Eight,          // 0x8n
        Twenty,         // 0x20
        Unknown,        // anything else: the rest of the script, its length not known
        End,
    };
    Kind kind = Kind::Unknown;
    int at = 0;  // where it starts in the script
    QByteArray bytes;

    // A warp's target (x: column, y: row).
    QPoint warpTarget() const;
};

struct ExitScript {
    int number = 0;
    int32_t offset = 0;
    QByteArray bytes;  // up to and with its end byte, when it has one
    bool ended = false;
};

// The file offset of exit script `number` (1-255) from its table word. Throws
// ScreenArraysError naming the word when it lies outside the bank's window.
int32_t ExitScriptOffset(const RomFile& rom, const ScreenFacts& facts, int number);
// Reads up to the end byte, the bank's end or kMaxExitScriptLength bytes.
ExitScript ReadExitScript(const RomFile& rom, const ScreenFacts& facts, int number);

std::vector<ExitCommand> SplitExitScript(const QByteArray& bytes);
// In words: "warp to row 1, column 7"; unknown commands as hex.
QString DescribeExitCommand(const ExitCommand& command);
QStringList DescribeExitScript(const QByteArray& bytes);
// The script with the warp at `at` sent to (column, row); the length stays.
QByteArray WithWarpTarget(QByteArray bytes, int at, int column, int row);
// The bytes of a hex text such as "40 17 FF" (spaces ignored); empty, with `ok` false, when it
// is no whole number of hex bytes.
QByteArray ParseHexBytes(const QString& text, bool* ok);
QString HexBytesText(const QByteArray& bytes);

}  // namespace zantor
