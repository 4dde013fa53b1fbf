#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "framework/base/HComPtr.h"
#include "framework/base/HWin32.h"

#include <wincodec.h>

// Decodes PNG bytes with the platform's decoder into 0xAARRGGBB pixels, or 0x00RRGGBB without
// alpha, top row first; no pixels when it refuses them.
inline std::vector<uint32_t> decodePng(const std::string& png, UINT* width, UINT* height, bool alpha = false)
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
    if (FAILED(converter->CopyPixels(nullptr, *width * 4, static_cast<UINT>(pixels.size() * 4),
                                     reinterpret_cast<BYTE*>(pixels.data())))) {
        pixels.clear();
    }
    for (uint32_t& pixel : pixels) {
        pixel &= alpha ? 0xFFFFFFFFu : 0xFFFFFFu;
    }
    return pixels;
}

