#include "sound/vorbis_stream.h"

#include <gtest/gtest.h>

#include <cstring>

#include "sound/sound_fixture.h"
#include "support/temp_dir.h"

namespace {

TEST(VorbisStream, CallbacksReadWholeItemsSeekTellAndClose) {
    testsupport::TempGameFolders folders;
    folders.WriteData("ten.bin", "0123456789");
    EXPECT_EQ(sound::OpenFileStream(folders.Data() / "absent.bin"), nullptr);
    sound::FileStream* stream = sound::OpenFileStream(folders.Data() / "ten.bin");
    ASSERT_NE(stream, nullptr);

    char buffer[16] = {};
    EXPECT_EQ(sound::StreamRead(buffer, 0, 5, stream), 0u);
    EXPECT_EQ(sound::StreamRead(buffer, 5, 0, stream), 0u);
    EXPECT_EQ(sound::StreamTell(stream), 0);
    // 4-byte items from 10 bytes: two whole items (the partial third does not count).
    EXPECT_EQ(sound::StreamRead(buffer, 4, 3, stream), 2u);
    EXPECT_EQ(std::memcmp(buffer, "01234567", 8), 0);

    EXPECT_EQ(sound::StreamSeek(stream, 2, SEEK_SET), 0);
    EXPECT_EQ(sound::StreamTell(stream), 2);
    EXPECT_EQ(sound::StreamSeek(stream, 3, SEEK_CUR), 0);
    EXPECT_EQ(sound::StreamTell(stream), 5);
    EXPECT_EQ(sound::StreamSeek(stream, -1, SEEK_END), 0);
    EXPECT_EQ(sound::StreamTell(stream), 9);
    EXPECT_EQ(sound::StreamRead(buffer, 1, 8, stream), 1u);
    EXPECT_EQ(buffer[0], '9');
    EXPECT_EQ(sound::StreamSeek(stream, -20, SEEK_SET), -1);
    EXPECT_EQ(sound::StreamSeek(stream, 0, 99), -1);

    EXPECT_EQ(sound::StreamRead(buffer, 1, 1, nullptr), 0u);
    EXPECT_EQ(sound::StreamSeek(nullptr, 0, SEEK_SET), -1);
    EXPECT_EQ(sound::StreamTell(nullptr), -1);
    EXPECT_EQ(sound::StreamClose(nullptr), -1);
    EXPECT_EQ(sound::StreamClose(stream), 0);  // frees the stream (the sanitizer checks)
}

}  // namespace
