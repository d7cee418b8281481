#include "ExitScript.h"

#include <QCoreApplication>

#include "HeaderTexts.h"
#include "ScreenArrays.h"
#include "ScreenFacts.h"
#include "codec/RomFile.h"

namespace zantor {

namespace {
constexpr int32_t kBankSize = 0x4000;

// The texts' translation context, which lupdate reads from the macro as well.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(ExitScript)
};

QString hex2(int value) {
    return HexText2(value & 0xFF);
}

int lengthOf(uint8_t opcode) {
    switch (opcode >> 4) {
        case 0x4:
            return 2;
        case 0x3:
            return 3;
        case 0xB:
            return 4;
        case 0x8:
        case 0x2:
            return 1;
        default:
            return 0;
    }
}

ExitCommand::Kind kindOf(uint8_t opcode) {
    if (opcode == kExitScriptEnd)
        return ExitCommand::Kind::End;
    switch (opcode >> 4) {
        case 0x4:
            return ExitCommand::Kind::Warp;
        case 0x3:
            return ExitCommand::Kind::CameraY;
        case 0xB:
            return ExitCommand::Kind::EnemyGraphics;
        case 0x8:
            return ExitCommand::Kind::Eight;
        case 0x2:
            return opcode == 0x20 ? ExitCommand::Kind::Twenty : ExitCommand::Kind::Unknown;
        default:
            return ExitCommand::Kind::Unknown;
    }
}
}  // namespace

QPoint ExitCommand::warpTarget() const {
    const auto yx = bytes.size() > 1 ? uint8_t(bytes[1]) : uint8_t(0);
    return QPoint(yx & 0x0F, yx >> 4);
}

int32_t ExitScriptOffset(const RomFile& rom, const ScreenFacts& facts, int number) {
    const int32_t wordOffset = facts.exitScriptTable + 2 * number;
    const int address = rom.ReadRomByte(wordOffset) | rom.ReadRomByte(wordOffset + 1) << 8;
    if (address < 0x4000 || address >= 0x8000) {
        throw ScreenArraysError(
            Text::tr("Exit script %1's table word (at %2) is $%3, outside bank %4's $4000-$7FFF")
                .arg(number)
                .arg(OffsetText(wordOffset), HexText(address).rightJustified(4, '0'),
                     BankText(facts.exitScriptBank)));
    }
    return facts.exitScriptBank * kBankSize + address - 0x4000;
}

ExitScript ReadExitScript(const RomFile& rom, const ScreenFacts& facts, int number) {
    ExitScript script;
    script.number = number;
    script.offset = ExitScriptOffset(rom, facts, number);
    const int32_t bankEnd = (facts.exitScriptBank + 1) * kBankSize;
    const int32_t length = std::min<int32_t>(kMaxExitScriptLength, bankEnd - script.offset);
    QByteArray bytes(length, '\0');
    rom.ReadRomBytes(script.offset, length, reinterpret_cast<uint8_t*>(bytes.data()));
    // An end byte may be a command's argument: the script ends at the first end command.
    int used = 0;
    for (const ExitCommand& command : SplitExitScript(bytes)) {
        used = command.at + int(command.bytes.size());
        if (command.kind == ExitCommand::Kind::End) {
            script.ended = true;
            break;
        }
    }
    script.bytes = bytes.left(used);
    return script;
}

std::vector<ExitCommand> SplitExitScript(const QByteArray& bytes) {
    std::vector<ExitCommand> commands;
    int at = 0;
    while (at < bytes.size()) {
        const auto opcode = uint8_t(bytes[at]);
        ExitCommand command;
        command.kind = kindOf(opcode);
        command.at = at;
        int length = command.kind == ExitCommand::Kind::End ? 1 : lengthOf(opcode);
        if (command.kind == ExitCommand::Kind::Unknown || at + length > bytes.size()) {
            // Its length is not known: everything up to the end byte is one unknown command.
            command.kind = ExitCommand::Kind::Unknown;
            const int end = int(bytes.indexOf(char(kExitScriptEnd), at));
            length = (end < 0 ? int(bytes.size()) : end) - at;
            length = std::max(length, 1);
        }
        command.bytes = bytes.mid(at, length);
        commands.push_back(command);
        at += length;
        if (command.kind == ExitCommand::Kind::End)
            break;
    }
    return commands;
}

QString DescribeExitCommand(const ExitCommand& command) {
    const QByteArray& b = command.bytes;
    switch (command.kind) {
        case ExitCommand::Kind::Warp:
            return Text::tr("warp to row %1, column %2")
                .arg(command.warpTarget().y())
                .arg(command.warpTarget().x());
        case ExitCommand::Kind::CameraY:
            return Text::tr("camera Y low byte %1, player Y low byte %2")
                .arg(OffsetText(uint8_t(b[1])), OffsetText(uint8_t(b[2])));
        case ExitCommand::Kind::EnemyGraphics:
            return Text::tr("enemy graphics from bank %1, address $%2")
                .arg(BankText(uint8_t(b[1])), hex2(uint8_t(b[3])) + hex2(uint8_t(b[2])));
        case ExitCommand::Kind::Eight:
        case ExitCommand::Kind::Twenty:
            return Text::tr("command %1").arg(hex2(uint8_t(b[0])));
        case ExitCommand::Kind::End:
            return Text::tr("end");
        case ExitCommand::Kind::Unknown:
            break;
    }
    return Text::tr("unknown: %1").arg(HexBytesText(b));
}

QStringList DescribeExitScript(const QByteArray& bytes) {
    QStringList lines;
    for (const ExitCommand& command : SplitExitScript(bytes))
        lines << DescribeExitCommand(command);
    return lines;
}

QByteArray WithWarpTarget(QByteArray bytes, int at, int column, int row) {
    if (at >= 0 && at + 1 < bytes.size() && kindOf(uint8_t(bytes[at])) == ExitCommand::Kind::Warp)
        bytes[at + 1] = char((row & 0x0F) << 4 | (column & 0x0F));
    return bytes;
}

QByteArray ParseHexBytes(const QString& text, bool* ok) {
    QString digits = text;
    digits.remove(' ');
    bool good = digits.size() % 2 == 0;
    for (QChar c : digits)
        good = good && ((c >= '0' && c <= '9') || (c.toLower() >= 'a' && c.toLower() <= 'f'));
    *ok = good;
    return good ? QByteArray::fromHex(digits.toLatin1()) : QByteArray();
}

QString HexBytesText(const QByteArray& bytes) {
    return QString::fromLatin1(bytes.toHex(' ').toUpper());
}

}  // namespace zantor
