#include "framework/graphics/HPngFile.h"

#include <vector>

#include "framework/base/HComPtr.h"
#include "framework/base/HFileWriter.h"
#include "framework/base/HText.h"
#include "framework/base/HWin32.h"

#include <initguid.h>
#include <wincodec.h>

namespace {

// COM for the length of one encoding, unless the thread had it already.
class ComScope {
public:
    ComScope() : m_started(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~ComScope()
    {
        if (m_started) {
            CoUninitialize();
        }
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

private:
    bool m_started;
};

bool failed(HRESULT result, const char* step, std::string* error)
{
    if (SUCCEEDED(result)) {
        return false;
    }
    *error = HText::format("%s failed (0x%08lX)", step, static_cast<unsigned long>(result));
    return true;
}

// The picture as rows of blue, green, red bytes padded to four bytes, as the encoder takes it.
std::vector<BYTE> bgrRows(const uint32_t* pixels, int width, int height, UINT* stride)
{
    *stride = (static_cast<UINT>(width) * 3 + 3) & ~3u;
    std::vector<BYTE> rows(static_cast<size_t>(*stride) * height, 0);
    for (int y = 0; y < height; ++y) {
        BYTE* row = rows.data() + static_cast<size_t>(y) * *stride;
        for (int x = 0; x < width; ++x) {
            uint32_t pixel = pixels[static_cast<size_t>(y) * width + x];
            row[3 * x] = static_cast<BYTE>(pixel);
            row[3 * x + 1] = static_cast<BYTE>(pixel >> 8);
            row[3 * x + 2] = static_cast<BYTE>(pixel >> 16);
        }
    }
    return rows;
}

// Rows unfiltered: choosing a filter for every row nearly doubles the time the codec takes,
// and a map's chips compress better without one (311 KB against 423 KB for the sample's
// maps). Codecs without the option ignore it.
IPropertyBag2* withoutFilter(IPropertyBag2* options)
{
    if (options != nullptr) {
        PROPBAG2 option = {};
        option.pstrName = const_cast<LPOLESTR>(L"FilterOption");
        // Zeroed rather than through VariantInit: the editor links this too, and its start
        // should not load the automation library for one field.
        VARIANT value = {};
        value.vt = VT_UI1;
        value.bVal = WICPngFilterNone;
        options->Write(1, &option, &value);
    }
    return options;
}

}  // namespace

bool HPngFile::encode(const uint32_t* pixels, int width, int height, std::string* png,
                       std::string* error)
{
    if (pixels == nullptr || width <= 0 || height <= 0) {
        *error = "no picture";
        return false;
    }
    ComScope com;
    HComPtr<IWICImagingFactory> factory;
    HComPtr<IStream> stream;
    HComPtr<IWICBitmapEncoder> encoder;
    HComPtr<IWICBitmapFrameEncode> frame;
    HComPtr<IPropertyBag2> options;
    if (failed(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IWICImagingFactory, reinterpret_cast<void**>(factory.receive())),
               "the image codec", error)
        || failed(CreateStreamOnHGlobal(nullptr, TRUE, stream.receive()), "a memory stream", error)
        || failed(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, encoder.receive()),
                  "the PNG encoder", error)
        || failed(encoder->Initialize(stream.get(), WICBitmapEncoderNoCache), "the PNG encoder", error)
        || failed(encoder->CreateNewFrame(frame.receive(), options.receive()), "a PNG frame", error)
        || failed(frame->Initialize(withoutFilter(options.get())), "a PNG frame", error)
        || failed(frame->SetSize(static_cast<UINT>(width), static_cast<UINT>(height)), "the PNG size", error)) {
        return false;
    }
    WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
    if (failed(frame->SetPixelFormat(&format), "the PNG pixel format", error)) {
        return false;
    }
    if (!IsEqualGUID(format, GUID_WICPixelFormat24bppBGR)) {
        *error = "the PNG encoder does not take 24-bit pixels";
        return false;
    }
    UINT stride = 0;
    std::vector<BYTE> rows = bgrRows(pixels, width, height, &stride);
    if (failed(frame->WritePixels(static_cast<UINT>(height), stride, static_cast<UINT>(rows.size()),
                                  rows.data()),
               "writing the pixels", error)
        || failed(frame->Commit(), "the PNG frame", error) || failed(encoder->Commit(), "the PNG file", error)) {
        return false;
    }
    // The stream's position is the length written; its memory may be larger.
    LARGE_INTEGER zero = {};
    ULARGE_INTEGER length = {};
    HGLOBAL memory = nullptr;
    if (failed(stream->Seek(zero, STREAM_SEEK_CUR, &length), "the PNG length", error)
        || failed(GetHGlobalFromStream(stream.get(), &memory), "the PNG bytes", error)) {
        return false;
    }
    const char* bytes = static_cast<const char*>(GlobalLock(memory));
    if (bytes == nullptr) {
        *error = "the PNG bytes cannot be read";
        return false;
    }
    png->assign(bytes, static_cast<size_t>(length.QuadPart));
    GlobalUnlock(memory);
    return true;
}

bool HPngFile::write(const HFile& file, const uint32_t* pixels, int width, int height,
                      std::string* error)
{
    std::string png;
    if (!encode(pixels, width, height, &png, error)) {
        return false;
    }
    HFileWriter writer(file);
    if (!writer.open()) {
        *error = HText::format("cannot create %s (error %u)", file.getPath().c_str(), writer.getError());
        return false;
    }
    bool ok = writer.write(png.data(), static_cast<uint32_t>(png.size()));
    ok = writer.close() && ok;
    if (!ok) {
        *error = HText::format("cannot write %s (error %u)", file.getPath().c_str(), writer.getError());
    }
    return ok;
}
