// The fuzz targets' checks on both builds without libFuzzer: every corpus input, then a
// fixed-seed batch of mutants of them, written to a real file and loaded through the real
// system (the Win32 one under Wine). Runs with the corpus folder as its current folder.

#include <algorithm>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "framework/graphics/HBitmapHeader.h"
#include "fuzz/FuzzAreaList.h"
#include "fuzz/FuzzBitmapHeader.h"
#include "fuzz/FuzzClipboardText.h"
#include "fuzz/FuzzMIDISource.h"
#include "fuzz/FuzzMapImage.h"
#include "fuzz/FuzzProperties.h"
#include "fuzz/FuzzSettings.h"
#include "tests/support/TestFolder.h"

#ifdef _WIN32
#include "framework/graphics/HImage.h"
#include "framework/graphics/HImageLoader.h"
#endif

namespace {

using Bytes = std::string;

struct Format {
    const char* corpus;  // folder of the inputs, relative to the corpus folder
    const char* file;    // the name the check loads
    size_t maxLength;
    std::string (*check)();  // the fuzz target's check
};

const int kMutants = 10000;

std::vector<Bytes> readCorpus(const char* folder)
{
    std::vector<std::filesystem::path> paths;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        paths.push_back(entry.path());
    }
    std::sort(paths.begin(), paths.end());  // the same order, so the same mutants, everywhere
    std::vector<Bytes> inputs;
    for (const auto& path : paths) {
        inputs.push_back(TestFolder::read(path.string()));
    }
    return inputs;
}

// Values that sit on the edges of counts, sizes and characters.
const uint32_t kInteresting[] = {0, 1, 2, 7, 8, 15, 16, 19, 20, 24, 25, 31, 32, 39, 40, 239,
                                 240, 255, 256, 1024, 4428, 0x7FFF, 0x8000, 0xFFFF, 0x7FFFFFFF,
                                 0x80000000, 0xFFFFFFFF};
const char kText[] = {'\r', '\n', ' ', '\t', '=', ',', '-', '0', '9', '\0', '\x83', '\x5C',
                      'E', 'N', 'D'};

// One to four of the mutations a fuzzer makes: bit flips, edge values, text bytes, inserted,
// erased, repeated or spliced pieces, truncation.
Bytes mutate(const std::vector<Bytes>& corpus, std::mt19937& random, size_t maxLength)
{
    Bytes bytes = corpus[random() % corpus.size()];
    int steps = 1 + static_cast<int>(random() % 4);
    for (int step = 0; step < steps; ++step) {
        size_t at = bytes.empty() ? 0 : random() % bytes.size();
        switch (random() % 8) {
        case 0:
            if (!bytes.empty()) {
                bytes[at] = static_cast<char>(bytes[at] ^ (1 << (random() % 8)));
            }
            break;
        case 1: {
            uint32_t value = kInteresting[random() % (sizeof(kInteresting) / sizeof(kInteresting[0]))];
            for (size_t i = 0; i < 4 && at + i < bytes.size(); ++i) {
                bytes[at + i] = static_cast<char>(value >> (8 * i));
            }
            break;
        }
        case 2:
            bytes.insert(at, 1, kText[random() % sizeof(kText)]);
            break;
        case 3:
            bytes.insert(at, random() % 64, static_cast<char>(random()));
            break;
        case 4:
            bytes.erase(at, random() % 64);
            break;
        case 5:
            bytes.insert(at, bytes.substr(at, random() % 128));
            break;
        case 6: {
            const Bytes& other = corpus[random() % corpus.size()];
            size_t from = other.empty() ? 0 : random() % other.size();
            bytes.replace(at, random() % 256, other.substr(from, random() % 256));
            break;
        }
        default:
            bytes.resize(at);
            break;
        }
    }
    bytes.resize(std::min(bytes.size(), maxLength));
    return bytes;
}

// Runs check on every corpus input of the format, then on kMutants mutants of them, each
// written to the format's file in a fresh folder.
template <typename Check>
void replay(const Format& format, Check check)
{
    std::vector<Bytes> corpus = readCorpus(format.corpus);
    ASSERT_FALSE(corpus.empty()) << format.corpus;
    TestFolder folder;
    for (size_t i = 0; i < corpus.size(); ++i) {
        TestFolder::write(format.file, corpus[i]);
        ASSERT_EQ(check(corpus[i]), "") << format.corpus << " input " << i;
    }
    std::mt19937 random(20261206);
    for (int i = 0; i < kMutants; ++i) {
        Bytes bytes = mutate(corpus, random, format.maxLength);
        TestFolder::write(format.file, bytes);
        ASSERT_EQ(check(bytes), "") << format.corpus << " mutant " << i;
    }
}

}  // namespace

TEST(FuzzReplay, EveryFormatKeepsItsInvariantsOnTheCorpusAndItsMutants)
{
    const Format formats[] = {
        {"fuzz_map_image", FuzzMapImage::FILE_NAME, FuzzMapImage::MAX_LENGTH, FuzzMapImage::check},
        {"fuzz_area_list", FuzzAreaList::FILE_NAME, FuzzAreaList::MAX_LENGTH, FuzzAreaList::check},
        {"fuzz_properties", FuzzProperties::FILE_NAME, FuzzProperties::MAX_LENGTH,
         FuzzProperties::check},
        {"fuzz_midi_source", FuzzMIDISource::FILE_NAME, FuzzMIDISource::MAX_LENGTH,
         FuzzMIDISource::check},
        {"fuzz_bitmap_header", FuzzBitmapHeader::FILE_NAME, FuzzBitmapHeader::MAX_LENGTH,
         FuzzBitmapHeader::check},
        {"fuzz_clipboard_text", FuzzClipboardText::FILE_NAME, FuzzClipboardText::MAX_LENGTH,
         FuzzClipboardText::check},
        {"fuzz_settings", FuzzSettings::FILE_NAME, FuzzSettings::MAX_LENGTH, FuzzSettings::check},
    };
    for (const Format& format : formats) {
        replay(format, [&format](const Bytes&) { return format.check(); });
    }
}

#ifdef _WIN32
// Windows only by nature: the pixels go through the platform's DIB conversion. Whatever the
// header checks refuse, the loader refuses too; what they pass loads or fails cleanly.
TEST(FuzzReplay, BitmapsThroughTheLoader)
{
    const Format format{"fuzz_bitmap_header", FuzzBitmapHeader::FILE_NAME,
                        FuzzBitmapHeader::MAX_LENGTH, nullptr};
    replay(format, [](const Bytes& bytes) -> std::string {
        HImage image;
        int result = HImageLoader::loadImageFile(HFile(FuzzBitmapHeader::FILE_NAME), &image, true);
        HBitmapHeader header;
        bool passes = HBitmapHeader::check(reinterpret_cast<const uint8_t*>(bytes.data()),
                                           bytes.size(), &header) == HBitmapHeader::FIELD_NONE;
        if (result != HImageLoader::LOAD_OK && result != HImageLoader::LOAD_ERROR) {
            return "the loader gave an unknown result";
        }
        if (!passes && result != HImageLoader::LOAD_ERROR) {
            return "the loader took a file the header checks refuse";
        }
        return std::string();
    });
}
#endif
