#include <gtest/gtest.h>

#include "platform/application.h"
#include "platform/canvas.h"
#include "platform/driver.h"
#include "platform/image.h"
#include "support/child_peak.h"
#include "support/headless_app.h"
#include "support/temp_dir.h"

namespace {

using testsupport::HeadlessApp;

TEST(Images, JpegAndBmpDecodeToTheirSizeAndColour) {
    std::string error;
    auto jpeg = platform::DecodeImage(testsupport::MakeJpeg(50, 46, 200, 40, 40), error);
    ASSERT_TRUE(jpeg) << error;
    EXPECT_EQ(jpeg->Width(), 50);
    EXPECT_EQ(jpeg->Height(), 46);
    const std::uint32_t corner = jpeg->PixelAt(1, 1);
    EXPECT_GT((corner >> 16) & 0xFF, 170u);  // red stays red (channel order is right)
    EXPECT_LT(corner & 0xFF, 80u);
    auto bmp = platform::DecodeImage(testsupport::MakeBmp(7, 5, 0, 0, 255), error);
    ASSERT_TRUE(bmp) << error;
    EXPECT_EQ(bmp->Width(), 7);
    EXPECT_EQ(bmp->Height(), 5);
    EXPECT_EQ(bmp->PixelAt(3, 2) & 0xFFFFFF, 0x0000FFu);
}

TEST(Images, DamagedFilesAreRefusedWithoutCrashing) {
    std::string error;
    auto jpeg = testsupport::MakeJpeg(64, 64, 10, 120, 10);
    for (size_t cut : {size_t{0}, size_t{2}, size_t{20}, jpeg.size() / 2, jpeg.size() - 3}) {
        std::vector<std::uint8_t> part(jpeg.begin(), jpeg.begin() + static_cast<long>(cut));
        error.clear();
        EXPECT_FALSE(platform::DecodeImage(part, error)) << "cut at " << cut;
        EXPECT_FALSE(error.empty());
    }
    auto bmp = testsupport::MakeBmp(20, 20, 1, 2, 3);
    bmp.resize(60);
    EXPECT_FALSE(platform::DecodeImage(bmp, error));
    std::vector<std::uint8_t> garbage(300, 0xFF);
    garbage[0] = 0xFF;
    garbage[1] = 0xD8;
    EXPECT_FALSE(platform::DecodeImage(garbage, error));
    EXPECT_FALSE(platform::DecodeImage({'h', 'e', 'l', 'l', 'o'}, error));
}

// A picture file larger than any picture may be is refused before it is read.
TEST(Images, AnOversizedPictureFileIsRefusedUnread) {
    testsupport::TempGameFolders folders;
    testsupport::MakeSparseFile(folders.User() / "huge.jpg", std::uintmax_t{1} << 30);
    testsupport::MakeSparseFile(folders.User() / "over.bmp", platform::kPictureFileLimit + 1);
    const testsupport::ChildRun run = testsupport::RunInChild([] {
        std::string error;
        if (platform::LoadImageFile("huge.jpg", error)) return 1;
        if (error != "Cannot load the picture \"huge.jpg\": The file is too large.") return 2;
        if (platform::LoadImageFile("over.bmp", error)) return 3;
        if (error != "Cannot load the picture \"over.bmp\": The file is too large.") return 4;
        return 0;
    });
    ASSERT_TRUE(run.exited);
    EXPECT_EQ(run.status, 0);
    EXPECT_LT(run.ExtraMiB(), testsupport::kSmallMiB);
}

TEST(Images, APictureThatCannotBeLoadedLeavesTheControlEmptyAndReportsOnce) {
    HeadlessApp h;
    h.Data().WriteFile("good.jpg", testsupport::MakeJpeg(50, 50, 90, 90, 200));
    h.Data().WriteFile("broken.jpg", {0xFF, 0xD8, 0xFF, 0xE0, 0x00});
    platform::Form main(h.App(), "Main", 200, 200);
    auto* pic = main.Add<platform::Picture>("Image1");
    pic->SetBounds(0, 0, 50, 50);
    bool loadedGood = false, loadedBroken = true, loadedMissing = true;
    h.Then([&] {
        loadedGood = pic->LoadPicture("GOOD.JPG");
        loadedBroken = pic->LoadPicture("broken.jpg");
        loadedBroken = pic->LoadPicture("broken.jpg") || loadedBroken;
        loadedMissing = pic->LoadPicture("missing.jpg");
    });
    h.Then([&] { platform::Driver(h.App()).PressEnterEscape(true); });
    h.Then([&] { platform::Driver(h.App()).PressEnterEscape(true); });
    h.Then([&] { main.Close(); });
    h.App().Run(main);
    EXPECT_TRUE(loadedGood);
    EXPECT_FALSE(loadedBroken);
    EXPECT_FALSE(loadedMissing);
    EXPECT_FALSE(pic->PictureImage());
    int boxes = 0;
    for (const auto& line : h.Trace())
        boxes += line.find("shown ErrorBox") != std::string::npos;
    EXPECT_EQ(boxes, 2);  // one for broken.jpg, one for missing.jpg
    EXPECT_TRUE(h.Traced("missing.jpg"));
}

TEST(Images, ScreenshotShowsTheFormsInZOrder) {
    HeadlessApp h;
    h.Data().WriteFile("tile.jpg", testsupport::MakeJpeg(50, 50, 0, 0, 220));
    platform::Form main(h.App(), "Main", 200, 200), top(h.App(), "Top", 50, 50);
    main.PlaceAt(0, 0);
    top.PlaceAt(100, 100);
    auto* pic = main.Add<platform::Picture>("Image1");
    pic->SetBounds(10, 10, 100, 100);  // stretched to twice its size
    main.SetColor(platform::Color::Rgb(0, 200, 0));
    top.SetColor(platform::Color::Rgb(200, 0, 0));
    std::string path = (h.User() / "shot.png").string(), error;
    bool ok = false;
    h.Then([&] {
        pic->LoadPicture("tile.jpg");
        top.Show();
        ok = platform::Driver(h.App()).Screenshot(path, error);
        auto shot = h.App().GetCanvas().Snapshot();
        EXPECT_EQ(shot->PixelAt(5, 5) & 0xFFFFFF, 0x00C800u);  // the form
        EXPECT_LT((shot->PixelAt(12, 12) >> 16) & 0xFF, 40u);  // the picture (blue)
        EXPECT_GT(shot->PixelAt(12, 12) & 0xFF, 150u);
        EXPECT_EQ(shot->PixelAt(125, 125) & 0xFFFFFF, 0xC80000u);  // the form on top
        main.Close();
    });
    h.App().Run(main);
    EXPECT_TRUE(ok) << error;
    EXPECT_GT(std::filesystem::file_size(path), 100u);
}

}  // namespace
