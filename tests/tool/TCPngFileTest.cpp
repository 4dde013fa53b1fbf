#include "tool/TCPngFile.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "framework/HComPtr.h"
#include "framework/HWin32.h"
#include "tests/support/TestFolder.h"

#include <wincodec.h>

namespace {

// Decodes PNG bytes with the platform's decoder into 0x00RRGGBB pixels, top row first.
std::vector<uint32_t> decode(const std::string& png, UINT* width, UINT* height)
{
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    HComPtr<IWICImagingFactory> factory;
    HComPtr<IWICStream> stream;
    HComPtr<IWICBitmapDecoder> decoder;
    HComPtr<IWICBitmapFrameDecode> frame;
    HComPtr<IWICFormatConverter> converter;
    std::vector<uint32_t> pixels;
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IWICImagingFactory, reinterpret_cast<void**>(factory.receive())))
        || FAILED(factory->CreateStream(stream.receive()))
        || FAILED(stream->InitializeFromMemory(
            reinterpret_cast<BYTE*>(const_cast<char*>(png.data())), static_cast<DWORD>(png.size())))
        || FAILED(factory->CreateDecoderFromStream(stream.get(), nullptr, WICDecodeMetadataCacheOnDemand,
                                                   decoder.receive()))
        || FAILED(decoder->GetFrame(0, frame.receive())) || FAILED(frame->GetSize(width, height))
        || FAILED(factory->CreateFormatConverter(converter.receive()))
        || FAILED(converter->Initialize(frame.get(), GUID_WICPixelFormat32bppBGRA, WICBitmapDitherTypeNone,
                                        nullptr, 0.0, WICBitmapPaletteTypeCustom))) {
        return pixels;
    }
    pixels.resize(static_cast<size_t>(*width) * *height);
    converter->CopyPixels(nullptr, *width * 4, static_cast<UINT>(pixels.size() * 4),
                          reinterpret_cast<BYTE*>(pixels.data()));
    for (uint32_t& pixel : pixels) {
        pixel &= 0xFFFFFF;
    }
    return pixels;
}

}  // namespace

TEST(PngFile, APictureEncodesAndDecodesBackPixelForPixel)
{
    const int width = 7;  // rows of 21 bytes: padding is needed
    const int height = 5;
    std::vector<uint32_t> picture;
    for (int i = 0; i < width * height; ++i) {
        picture.push_back(0xFF000000u | static_cast<uint32_t>(i * 0x050A11 + (i % 3) * 0x400000));
    }
    std::string png;
    std::string error;
    ASSERT_TRUE(TCPngFile::encode(picture.data(), width, height, &png, &error)) << error;
    EXPECT_EQ(png.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
    UINT w = 0;
    UINT h = 0;
    std::vector<uint32_t> back = decode(png, &w, &h);
    EXPECT_EQ(w, 7u);
    EXPECT_EQ(h, 5u);
    for (uint32_t& pixel : picture) {
        pixel &= 0xFFFFFF;
    }
    EXPECT_EQ(back, picture);

    EXPECT_FALSE(TCPngFile::encode(picture.data(), 0, height, &png, &error));
    EXPECT_FALSE(TCPngFile::encode(nullptr, width, height, &png, &error));
}

TEST(PngFile, WritingLeavesTheWholeFileOrNoneAtAll)
{
    TestFolder folder;
    std::vector<uint32_t> picture(16 * 8, 0x3366CC);
    std::string error;
    ASSERT_TRUE(TCPngFile::write(HFile("map.png"), picture.data(), 16, 8, &error)) << error;
    UINT w = 0;
    UINT h = 0;
    EXPECT_EQ(decode(TestFolder::read("map.png"), &w, &h), picture);
    EXPECT_EQ(TestFolder::list(), "map.png");

    TestFolder::write("old.png", "old bytes");
    EXPECT_FALSE(TCPngFile::write(HFile("Missing\\map.png"), picture.data(), 16, 8, &error));
    EXPECT_EQ(error.substr(0, 29), "cannot create Missing\\map.png");
    EXPECT_EQ(TestFolder::list(), "map.png old.png");
}
