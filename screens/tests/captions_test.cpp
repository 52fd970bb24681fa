// Captions kept from one run to the next: the cache file, and a screen's first frame drawn
// from it, corrected once the fonts are ready.
#include <gtest/gtest.h>

#include <QDataStream>
#include <QFile>
#include <QTemporaryDir>

#include "screen_harness.h"
#include "screens/caption_cache.h"
#include "screens/captions.h"
#include "screens/picture_button.h"

namespace screens {
namespace {

// A caption no font draws: a solid block.
QImage block(QSize size, qreal ratio = 1) {
    QImage mask(size * ratio, QImage::Format_ARGB32_Premultiplied);
    mask.fill(Qt::white);
    mask.setDevicePixelRatio(ratio);
    return mask;
}

TEST(CaptionCache, WhatIsSavedIsFoundByTheNextRun) {
    QTemporaryDir folder;
    const QString file = folder.filePath("deeper/captions");
    {
        CaptionCache cache(file);
        cache.put("a", {7.5, block({10, 4})});
        cache.put("b", {9, block({3, 2}, 2)});
        cache.save();
    }
    const CaptionCache next(file);
    ASSERT_TRUE(next.find("a"));
    EXPECT_EQ(next.find("a")->pointSize, 7.5);
    EXPECT_EQ(next.find("a")->mask, block({10, 4}));
    ASSERT_TRUE(next.find("b"));
    EXPECT_EQ(next.find("b")->mask, block({3, 2}, 2));
    EXPECT_EQ(next.find("b")->mask.devicePixelRatio(), 2);
    EXPECT_FALSE(next.find("c"));
}

TEST(CaptionCache, AFileItCannotTrustIsNoCache) {
    QTemporaryDir folder;
    const QString good = folder.filePath("good");
    {
        CaptionCache cache(good);
        cache.put("a", {7.5, block({10, 4})});
        cache.save();
    }
    QFile stored(good);
    ASSERT_TRUE(stored.open(QIODevice::ReadOnly));
    const QByteArray bytes = stored.readAll();
    QByteArray huge;
    {
        QDataStream out(&huge, QIODevice::WriteOnly);
        out.setVersion(QDataStream::Qt_6_4);
        out << bytes.left(12) << QString("a") << 7.5 << 100'000 << 100'000 << 1.0;
        huge = huge.mid(4);  // the header as it stands, without the byte array's length
    }
    const struct {
        const char* what;
        QByteArray content;
    } kCases[] = {
        {"empty", {}},
        {"not ours", "some other program's file"},
        {"cut short", bytes.left(bytes.size() - 9)},
        {"another format", QByteArray(bytes).replace(7, 1, "\x09")},
        {"an absurd picture size", huge},
    };
    for (const auto& c : kCases) {
        const QString file = folder.filePath(c.what);
        QFile written(file);
        ASSERT_TRUE(written.open(QIODevice::WriteOnly));
        written.write(c.content);
        written.close();
        EXPECT_FALSE(CaptionCache(file).find("a")) << c.what;
    }
    EXPECT_FALSE(CaptionCache(folder.filePath("missing")).find("a"));
    EXPECT_TRUE(CaptionCache(good).find("a"));
}

PictureButton* menuButton(const testing::ScreenHarness& harness) {
    return dynamic_cast<PictureButton*>(harness.control("cmd1"));
}

// A cache whose entries for the menu's buttons say 7 points and a block for a caption: wrong,
// but recognisable.
void plantWrongCaptions(CaptionCache& cache) {
    testing::ScreenHarness probe(ScreenId::frm1);
    for (PictureButton* button : probe.screen->findChildren<PictureButton*>())
        cache.put(captionKey(*button),
                  {7, block(button->size() - QSize(2, 2) * PictureButton::kBevel)});
}

TEST(ScreenCaptions, FirstFrameTakesTheCachedCaptionsAndTheFontsCorrectThemAfter) {
    QTemporaryDir folder;
    const QString file = folder.filePath("captions");
    {
        CaptionCache planted(file);
        plantWrongCaptions(planted);
        planted.save();
    }
    CaptionCache cache(file);
    testing::ScreenHarness harness(ScreenId::frm1, &cache);
    harness.screen->show();
    PictureButton* button = menuButton(harness);
    EXPECT_EQ(button->font().pointSizeF(), 7) << "taken from the cache before the first frame";
    EXPECT_EQ(button->captionMask(), block(button->size() - QSize(2, 2) * PictureButton::kBevel));

    ASSERT_TRUE(QTest::qWaitForWindowExposed(harness.screen.get()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return button->captionMask() == button->drawCaption(); }))
        << "redrawn from the font once the first frame is shown";
    testing::ScreenHarness measured(ScreenId::frm1);
    ASSERT_TRUE(measured.showActive());
    EXPECT_EQ(button->font().pointSizeF(), menuButton(measured)->font().pointSizeF());
    EXPECT_EQ(CaptionCache(file).find(captionKey(*button))->mask, button->drawCaption())
        << "the next run gets it right";
}

TEST(ScreenCaptions, AScreenShownWithAnEmptyCacheFillsIt) {
    QTemporaryDir folder;
    const QString file = folder.filePath("captions");
    CaptionCache cache(file);
    testing::ScreenHarness harness(ScreenId::frm1, &cache);
    ASSERT_TRUE(harness.showActive());
    PictureButton* button = menuButton(harness);
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return CaptionCache(file).find(captionKey(*button)).has_value(); }));
    const auto stored = CaptionCache(file).find(captionKey(*button));
    EXPECT_EQ(stored->mask, button->drawCaption());
    EXPECT_EQ(stored->pointSize, button->font().pointSizeF());
}

}  // namespace
}  // namespace screens
