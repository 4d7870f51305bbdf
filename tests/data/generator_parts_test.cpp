// The generator's building blocks: every listed picture has a painter of its own, the noise
// repeats with the tile, the shapes are inside where they should be, and the sounds and music
// have the lengths, levels and channels the game expects.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "audio.h"
#include "canvas.h"
#include "catalog.h"
#include "motifs.h"
#include "noise.h"
#include "state/asset_names.h"
#include "synth.h"

namespace {

bool EndsWith(const std::string& s, const std::string& end) {
    return s.size() >= end.size() && s.compare(s.size() - end.size(), end.size(), end) == 0;
}

float Seconds(const gendata::Effect& e) {
    return static_cast<float>(e.samples.size()) / static_cast<float>(e.channels * gendata::kRate);
}

int Peak(const gendata::Effect& e) {
    int peak = 0;
    for (auto s : e.samples)
        peak = std::max(peak, std::abs(static_cast<int>(s)));
    return peak;
}

// Sign changes per second: a rough measure of pitch.
float Crossings(const gendata::Effect& e) {
    int n = 0;
    for (std::size_t i = 1; i < e.samples.size(); ++i) {
        if ((e.samples[i - 1] < 0) != (e.samples[i] < 0)) ++n;
    }
    return static_cast<float>(n) / Seconds(e);
}

}  // namespace

TEST(GeneratorCatalog, EveryListedPictureHasAPainterOfItsOwn) {
    int pictures = 0;
    for (const auto& name : state::AllAssetNames()) {
        if (EndsWith(name, ".wav") || EndsWith(name, ".ogg")) {
            EXPECT_FALSE(gendata::PictureFor(name).has_value()) << name;
            continue;
        }
        const auto job = gendata::PictureFor(name);
        ASSERT_TRUE(job.has_value()) << name;
        // A listed name drawn by guessing from its words would be a missing painter.
        EXPECT_FALSE(job->guessed) << name;
        EXPECT_EQ(job->bmp, EndsWith(name, ".bmp")) << name;
        ++pictures;
    }
    EXPECT_GT(pictures, 800);
    EXPECT_TRUE(gendata::PictureFor("orc_chief.jpg")->guessed);
    EXPECT_TRUE(gendata::PictureFor("orc_chief_red.jpg")->guessed);
    EXPECT_FALSE(gendata::PictureFor("monster_orc_red.jpg")->guessed);
}

TEST(GeneratorNoise, RepeatsWithItsPeriodAndStaysInRange) {
    for (float x : {0.0f, 0.3f, 1.7f, 3.99f}) {
        for (float y : {0.0f, 2.5f}) {
            EXPECT_FLOAT_EQ(gendata::ValueNoise(x, y, 9, 4), gendata::ValueNoise(x + 4, y, 9, 4));
            EXPECT_FLOAT_EQ(gendata::ValueNoise(x, y, 9, 4), gendata::ValueNoise(x, y - 8, 9, 4));
            EXPECT_FLOAT_EQ(gendata::Fbm(x, y, 3, 3, 4), gendata::Fbm(x + 4, y + 4, 3, 3, 4));
            const float v = gendata::Fbm(x, y, 3, 4);
            EXPECT_GE(v, 0.0f);
            EXPECT_LT(v, 1.0f);
        }
    }
    EXPECT_NE(gendata::ValueNoise(0.5f, 0.5f, 1), gendata::ValueNoise(0.5f, 0.5f, 2));
    gendata::Rng a(5), b(5);
    for (int i = 0; i < 100; ++i) {
        const int n = a.Int(7);
        EXPECT_EQ(n, b.Int(7));
        EXPECT_GE(n, 0);
        EXPECT_LT(n, 7);
        const float u = a.Unit();
        b.Unit();
        EXPECT_GE(u, 0.0f);
        EXPECT_LT(u, 1.0f);
    }
    EXPECT_EQ(gendata::HashText("m1_orc"), gendata::HashText("m1_orc"));
    EXPECT_NE(gendata::HashText("m1_orc"), gendata::HashText("m1_orb"));
}

TEST(GeneratorCanvas, ShapesCoverTheirInsideOnly) {
    using namespace gendata;
    // A concave polygon (an L): inside its arms, outside its notch.
    const Shape l = Poly({{0, 0}, {10, 0}, {10, 4}, {4, 4}, {4, 10}, {0, 10}});
    EXPECT_LT(l.sdf(2, 8), 0);
    EXPECT_LT(l.sdf(8, 2), 0);
    EXPECT_GT(l.sdf(8, 8), 0);
    EXPECT_NEAR(l.sdf(8, 6), 2.0f, 1e-4f);  // two units below the upper arm
    const Shape ring = Subtract(Circle(0, 0, 5), Circle(0, 0, 3));
    EXPECT_GT(ring.sdf(0, 0), 0);
    EXPECT_LT(ring.sdf(4, 0), 0);
    EXPECT_NEAR(Rect(0, 0, 10, 6).sdf(5, 3), -3.0f, 1e-4f);
    EXPECT_NEAR(Segment(0, 0, 10, 0, 1).sdf(5, 3), 2.0f, 1e-4f);

    Image img(20, 20, {0, 0, 0});
    Canvas c(img, 20);
    c.Fill(Circle(10, 10, 5.3f), Rgb{1, 1, 1});
    EXPECT_FLOAT_EQ(img.At(10, 10).r, 1.0f);
    EXPECT_FLOAT_EQ(img.At(1, 1).r, 0.0f);
    const float edge = img.At(15, 10).r;  // the pixel the rim passes through is partly covered
    EXPECT_GT(edge, 0.0f);
    EXPECT_LT(edge, 1.0f);
}

// Long hair falls beside the neck, never under the chin: there it would read as a beard.
TEST(GeneratorPeople, LongHairLeavesTheChinBare) {
    using namespace gendata;
    Image img(100, 100, {0, 0, 0});
    Canvas c(img, 100);
    Person p;
    p.longHair = true;
    p.hair = {0, 1, 0};  // pure green, found nowhere else in the figure
    DrawPerson(c, p);
    auto green = [&img](float x, float y) {
        const Rgb& px = img.At(static_cast<int>(x), static_cast<int>(y));
        return px.g > 0.5f && px.r < 0.3f && px.b < 0.3f;
    };
    // Under the chin (the head reaches 13 units below its centre), down to the shoulders.
    for (float y = p.headY + 14; y < p.headY + 18; y += 1)
        EXPECT_FALSE(green(p.cx, y)) << y;
    // Beside the neck it falls onto the shoulders, and it frames the top of the head.
    EXPECT_TRUE(green(p.cx - 11, p.headY + 20));
    EXPECT_TRUE(green(p.cx + 11, p.headY + 20));
    EXPECT_TRUE(green(p.cx, p.headY - 13.5f));
}

TEST(GeneratorImage, ResizeAveragesAndCropClamps) {
    using namespace gendata;
    Image img(4, 2, {0, 0, 0});
    img.At(0, 0) = {1, 1, 1};
    img.At(1, 0) = {1, 1, 1};
    const Image half = img.Resized(2, 1);
    EXPECT_FLOAT_EQ(half.At(0, 0).r, 0.5f);
    EXPECT_FLOAT_EQ(half.At(1, 0).r, 0.0f);
    const Image crop = img.Crop(3, 1, 2, 2);  // reaches past the corner
    EXPECT_EQ(crop.Width(), 2);
    EXPECT_FLOAT_EQ(crop.At(1, 1).r, 0.0f);
    Image target(3, 3, {0.5f, 0.5f, 0.5f});
    target.Paste(img, 2, 2);  // only one pixel lands inside
    EXPECT_FLOAT_EQ(target.At(2, 2).r, 1.0f);
    EXPECT_FLOAT_EQ(target.At(1, 1).r, 0.5f);
    const std::vector<std::uint8_t> rgb = Image(1, 1, {2.0f, -1.0f, 0.5f}).ToRgb8();
    EXPECT_EQ(rgb, (std::vector<std::uint8_t>{255, 0, 128}));
}

TEST(GeneratorSynth, EnvelopesPitchAndFilters) {
    using namespace gendata;
    EXPECT_FLOAT_EQ(NoteHz(69), 440.0f);
    EXPECT_NEAR(NoteHz(81), 880.0f, 1e-3f);
    EXPECT_NEAR(NoteHz(60), 261.63f, 0.01f);
    // Attack 0.1, decay 0.1 to 0.5, held for 1 s, released over 0.2 s.
    EXPECT_NEAR(Adsr(0.05f, 0.1f, 0.1f, 0.5f, 0.2f, 1.0f), 0.5f, 1e-4f);
    EXPECT_NEAR(Adsr(0.1f, 0.1f, 0.1f, 0.5f, 0.2f, 1.0f), 1.0f, 1e-4f);
    EXPECT_NEAR(Adsr(0.5f, 0.1f, 0.1f, 0.5f, 0.2f, 1.0f), 0.5f, 1e-4f);
    EXPECT_NEAR(Adsr(1.1f, 0.1f, 0.1f, 0.5f, 0.2f, 1.0f), 0.25f, 1e-4f);
    EXPECT_FLOAT_EQ(Adsr(1.3f, 0.1f, 0.1f, 0.5f, 0.2f, 1.0f), 0.0f);
    EXPECT_FLOAT_EQ(Adsr(-0.1f, 0.1f, 0.1f, 0.5f, 0.2f, 1.0f), 0.0f);
    // A low-pass keeps a low tone and damps a high one.
    auto tone = [](float hz) {
        Buffer b(4410);
        for (std::size_t i = 0; i < b.size(); ++i)
            b[i] = std::sin(kTwoPi * hz * static_cast<float>(i) / kRate);
        return b;
    };
    auto energy = [](const Buffer& b) {
        float e = 0;
        for (std::size_t i = b.size() / 2; i < b.size(); ++i)
            e += b[i] * b[i];
        return e;
    };
    Buffer low = tone(100), high = tone(8000);
    const float lowBefore = energy(low), highBefore = energy(high);
    LowPass(low, 1000);
    LowPass(high, 1000);
    EXPECT_GT(energy(low), lowBefore * 0.8f);
    EXPECT_LT(energy(high), highBefore * 0.05f);
    // A plucked string sounds at its pitch: its strongest self-similarity is one period.
    Rng rng(1);
    const Buffer string = Pluck(220, 0.5f, 0.3f, rng);
    std::size_t bestLag = 0;
    float best = -1e9f;
    for (std::size_t lag = 100; lag <= 400; ++lag) {
        float sum = 0;
        for (std::size_t i = 4000; i + lag < 12000; ++i)
            sum += string[i] * string[i + lag];
        if (sum > best) {
            best = sum;
            bestLag = lag;
        }
    }
    EXPECT_NEAR(static_cast<float>(kRate) / static_cast<float>(bestLag), 220.0f, 3.0f);
    const std::vector<std::int16_t> pcm = ToPcm({0.0f, 0.5f, -1.0f}, 0.5f);
    EXPECT_EQ(pcm[1], 8192);
    EXPECT_EQ(pcm[2], -16384);
}

TEST(GeneratorSound, EffectsFitTheirUse) {
    using gendata::MakeEffect;
    for (const auto& name : state::AssetGroups()[0].names)
        EXPECT_FALSE(MakeEffect(name)) << name;
    EXPECT_FALSE(MakeEffect("nothing.wav"));
    const auto click = MakeEffect("button.wav");
    ASSERT_TRUE(click);
    EXPECT_LT(Seconds(*click), 0.15f);  // a click must not lag behind the button
    EXPECT_EQ(click->channels, 1);
    EXPECT_NEAR(Peak(*click), 27852, 2);       // normalised to 85 % of full scale
    EXPECT_TRUE(MakeEffect("WALKING_1.WAV"));  // case does not matter
    const float r1 = Seconds(*MakeEffect("Reward1.wav"));
    const float r2 = Seconds(*MakeEffect("Reward2.wav"));
    const float r3 = Seconds(*MakeEffect("Reward3.wav"));
    EXPECT_LT(r1, r2);
    EXPECT_LT(r2, r3);
    EXPECT_LT(r3, 6.0f);
    // Monster cries are deeper and rougher than human ones, except the shriek.
    EXPECT_GT(Crossings(*MakeEffect("monster3.wav")), Crossings(*MakeEffect("human1.wav")));
    const auto alert = MakeEffect("Alert_3a.wav");
    EXPECT_GT(Seconds(*alert), 0.4f);
    EXPECT_LT(Seconds(*alert), 1.0f);
}

TEST(GeneratorSound, TracksHaveTheLengthsOfTheMusicTimer) {
    for (const auto& [name, seconds] : std::vector<std::pair<std::string, int>>{
             {"Intro.ogg", 50}, {"background.OGG", 50}, {"PreppingTrack.ogg", 31}}) {
        const auto track = gendata::MakeTrack(name);
        ASSERT_TRUE(track) << name;
        ASSERT_EQ(track->left.size(), track->right.size());
        EXPECT_EQ(track->left.size(), static_cast<std::size_t>(seconds * gendata::kRate)) << name;
        // Stereo, not two copies of one channel; faded out at the end; never clipping.
        float difference = 0, peak = 0;
        for (std::size_t i = 0; i < track->left.size(); ++i) {
            difference += std::abs(track->left[i] - track->right[i]);
            peak = std::max({peak, std::abs(track->left[i]), std::abs(track->right[i])});
        }
        EXPECT_GT(difference, 100.0f) << name;
        EXPECT_LE(peak, 0.81f) << name;
        EXPECT_GT(peak, 0.5f) << name;
        EXPECT_LT(std::abs(track->left.back()), 1e-3f) << name;
    }
    EXPECT_FALSE(gendata::MakeTrack("Other.ogg"));
}
