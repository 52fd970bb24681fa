// The Windows resource script: compiled with the MinGW resource compiler, its version record
// and icon group are read back block by block.
#include <gtest/gtest.h>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>
#include <map>
#include <vector>

#include "committed_files.h"

namespace {

using assets_test::committedBytes;

constexpr int kIconType = 3;
constexpr int kIconGroupType = 14;
constexpr int kVersionType = 16;
constexpr quint32 kFixedInfoSignature = 0xFEEF04BD;
constexpr int kIconCount = 8;
constexpr int kHeaderBytes = 6;        // reserved, type, count: in the file and in the group
constexpr int kFileEntryBytes = 16;    // ends with the block's offset in the file
constexpr int kGroupEntryBytes = 14;   // ends with the image's resource number
constexpr int kSharedEntryBytes = 12;  // size, colours, planes, bits and block size

// Reads past the end give 0, so that a malformed record fails the checks instead of the run.
int u16(const QByteArray& bytes, qsizetype at) {
    return at + 2 <= bytes.size() ? qFromLittleEndian<quint16>(bytes.constData() + at) : 0;
}
qint64 u32(const QByteArray& bytes, qsizetype at) {
    return at + 4 <= bytes.size() ? qFromLittleEndian<quint32>(bytes.constData() + at) : 0;
}
qsizetype aligned(qsizetype at) {
    return (at + 3) & ~qsizetype(3);
}

// A UTF-16 text that ends with a zero character; `at` moves past the zero.
QString utf16At(const QByteArray& bytes, qsizetype& at) {
    QString text;
    for (; u16(bytes, at) != 0; at += 2) text.append(QChar(char16_t(u16(bytes, at))));
    at += 2;
    return text;
}

struct ResourceId {
    int type;
    int name;
    bool operator<(const ResourceId& other) const {
        return std::pair(type, name) < std::pair(other.type, other.name);
    }
};

// The resources of a compiled .res file with their numeric type and name.
std::vector<std::pair<ResourceId, QByteArray>> resourcesOf(const QByteArray& res) {
    std::vector<std::pair<ResourceId, QByteArray>> resources;
    qsizetype at = 0;
    while (at + 8 <= res.size()) {
        const qint64 dataSize = u32(res, at);
        const qint64 headerSize = u32(res, at + 4);
        // Type and name are numeric here: 0xFFFF followed by the number.
        const ResourceId id{u16(res, at + 10), u16(res, at + 14)};
        if (dataSize > 0) resources.push_back({id, res.mid(at + headerSize, dataSize)});
        at = aligned(at + headerSize + dataSize);
    }
    return resources;
}

// One block of a version record: a key, a value and the blocks inside it.
struct VersionBlock {
    QString key;
    QByteArray value;
    bool text;
    std::vector<VersionBlock> children;
};

VersionBlock versionBlockAt(const QByteArray& data, qsizetype at) {
    const qsizetype end = at + u16(data, at);
    const int valueLength = u16(data, at + 2);
    VersionBlock block{{}, {}, u16(data, at + 4) == 1, {}};
    qsizetype cursor = at + 6;
    block.key = utf16At(data, cursor);
    cursor = aligned(cursor);
    // A text value's length counts UTF-16 characters, a binary one's bytes.
    const int valueBytes = block.text ? valueLength * 2 : valueLength;
    block.value = data.mid(cursor, valueBytes);
    cursor = aligned(cursor + valueBytes);
    while (cursor < end && u16(data, cursor) > 0) {
        block.children.push_back(versionBlockAt(data, cursor));
        cursor = aligned(cursor + u16(data, cursor));
    }
    return block;
}

QString textOf(const QByteArray& value) {
    QString text =
        QString::fromUtf16(reinterpret_cast<const char16_t*>(value.constData()), value.size() / 2);
    if (text.endsWith(QChar(0))) text.chop(1);
    return text;
}

class VersionRecord : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(QFileInfo(RESHALKIN_WINDRES).isExecutable())
            << "no MinGW resource compiler: install binutils-mingw-w64-x86-64";
        ASSERT_TRUE(output_.isValid());
        const QString res = output_.filePath("version.res");
        QProcess windres;
        windres.start(RESHALKIN_WINDRES,
                      {QStringLiteral("--preprocessor=%1").arg(RESHALKIN_CPP),
                       "--preprocessor-arg=-DRC_INVOKED", "-O", "res",
                       QStringLiteral("--include-dir=%1").arg(RESHALKIN_ASSETS_DIR), "-i",
                       RESHALKIN_VERSION_RC, "-o", res});
        ASSERT_TRUE(windres.waitForFinished()) << "windres did not run";
        ASSERT_EQ(windres.exitCode(), 0) << windres.readAllStandardError().toStdString();
        QFile file(res);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        for (auto& [id, data] : resourcesOf(file.readAll())) resources_[id] = data;
    }

    // The resource's data, or an empty array when the record lacks it.
    QByteArray resource(int type, int name) const {
        const auto found = resources_.find({type, name});
        return found == resources_.end() ? QByteArray() : found->second;
    }

    QTemporaryDir output_;
    std::map<ResourceId, QByteArray> resources_;
};

TEST_F(VersionRecord, HoldsOnlyTheEightIconsTheirGroupAndTheVersion) {
    std::vector<int> types;
    for (const auto& [id, data] : resources_) types.push_back(id.type);
    EXPECT_EQ(types,
              (std::vector<int>{kIconType, kIconType, kIconType, kIconType, kIconType, kIconType,
                                kIconType, kIconType, kIconGroupType, kVersionType}));
}

TEST_F(VersionRecord, FixedPartGivesVersion1000ForAnApplication) {
    const QByteArray version = resource(kVersionType, 1);
    ASSERT_FALSE(version.isEmpty());
    const VersionBlock root = versionBlockAt(version, 0);
    EXPECT_EQ(root.key, "VS_VERSION_INFO");
    ASSERT_EQ(root.value.size(), 52);
    const std::pair<const char*, quint32> fields[] = {
        {"signature", kFixedInfoSignature},
        {"structure version", 0x00010000},
        {"file version, high", 0x00010000},
        {"file version, low", 0},
        {"product version, high", 0x00010000},
        {"product version, low", 0},
        {"flags mask", 0},
        {"flags", 0},
        {"operating system: 32-bit Windows", 4},
        {"file type: application", 1},
        {"subtype", 0},
        {"date, high", 0},
        {"date, low", 0},
    };
    for (size_t i = 0; i < std::size(fields); ++i)
        EXPECT_EQ(u32(root.value, qsizetype(i) * 4), fields[i].second) << fields[i].first;
}

TEST_F(VersionRecord, TranslationComesBeforeTheSixStringsInOrder) {
    const QByteArray version = resource(kVersionType, 1);
    ASSERT_FALSE(version.isEmpty());
    const VersionBlock root = versionBlockAt(version, 0);
    ASSERT_EQ(root.children.size(), 2u);
    const VersionBlock& var = root.children[0];
    EXPECT_EQ(var.key, "VarFileInfo");
    ASSERT_EQ(var.children.size(), 1u);
    EXPECT_EQ(var.children[0].key, "Translation");
    EXPECT_EQ(var.children[0].value, QByteArray("\x09\x04\xB0\x04", 4)) << "0x0409, 0x04B0";

    const VersionBlock& strings = root.children[1];
    EXPECT_EQ(strings.key, "StringFileInfo");
    ASSERT_EQ(strings.children.size(), 1u);
    EXPECT_EQ(strings.children[0].key, "040904B0");
    const std::pair<QString, QString> expected[] = {
        {"CompanyName", RESHALKIN_PUBLISHER},
        {"ProductName", RESHALKIN_PRODUCT},
        {"FileVersion", "1.00"},
        {"ProductVersion", "1.00"},
        {"InternalName", RESHALKIN_PRODUCT},
        {"OriginalFilename", RESHALKIN_PROGRAM_FILE},
    };
    const auto& table = strings.children[0].children;
    ASSERT_EQ(table.size(), std::size(expected));
    for (size_t i = 0; i < table.size(); ++i) {
        EXPECT_EQ(table[i].key, expected[i].first);
        EXPECT_EQ(textOf(table[i].value), expected[i].second) << expected[i].first.toStdString();
    }
}

TEST_F(VersionRecord, IconGroupHoldsTheIconFilesEightBlocksByteForByte) {
    const QByteArray ico = committedBytes("icon.ico");
    const QByteArray dir = resource(kIconGroupType, 1);
    ASSERT_FALSE(dir.isEmpty());
    EXPECT_EQ(u16(dir, 2), 1) << "icon group";
    ASSERT_EQ(u16(dir, 4), kIconCount);
    for (int i = 0; i < kIconCount; ++i) {
        // A group entry repeats the file's directory entry up to the block size, then names
        // the image's resource where the file gives the block's offset.
        const qsizetype groupEntry = kHeaderBytes + i * kGroupEntryBytes;
        const qsizetype fileEntry = kHeaderBytes + i * kFileEntryBytes;
        EXPECT_EQ(dir.mid(groupEntry, kSharedEntryBytes), ico.mid(fileEntry, kSharedEntryBytes))
            << "entry " << i;
        const QByteArray image = resource(kIconType, u16(dir, groupEntry + kSharedEntryBytes));
        const qint64 blockBytes = u32(ico, fileEntry + kSharedEntryBytes - 4);
        const qint64 blockOffset = u32(ico, fileEntry + kSharedEntryBytes);
        EXPECT_EQ(image, ico.mid(blockOffset, blockBytes)) << "image " << i;
    }
}

}  // namespace
