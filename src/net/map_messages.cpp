#include "net/map_messages.h"

#include <algorithm>
#include <cctype>

namespace {

constexpr size_t kTagSize = 6;

WireWriter StartMapMessage(std::string_view letters) {
    WireWriter writer;
    tshortstring<5> tag;
    tag.Assign(letters);
    writer.ShortString(tag);
    return writer;
}

}  // namespace

bool IsTransferableMapName(std::string_view name) {
    constexpr std::string_view kExtension = ".map";
    if (name.size() <= kExtension.size() || name.size() > 16 || !IsBareMapName(name) ||
        name.find("..") != std::string_view::npos) {
        return false;
    }
    // The maps folders list ".MAP" files too.
    const std::string_view tail = name.substr(name.size() - kExtension.size());
    if (!std::equal(tail.begin(), tail.end(), kExtension.begin(), [](char a, char b) {
            return std::tolower(static_cast<unsigned char>(a)) == b;
        })) {
        return false;
    }
    return std::none_of(name.begin(), name.end(),
                        [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; });
}

tdatagram BuildMapRequest(const tmaprequest& request) {
    WireWriter writer = StartMapMessage("mapgt");
    writer.ShortString(request.name);
    writer.I32(request.offset);
    return writer.datagram();
}

tdatagram BuildMapPiece(const tmappiece& piece) {
    WireWriter writer = StartMapMessage("mapdt");
    writer.ShortString(piece.name);
    writer.I32(piece.size);
    writer.I32(piece.offset);
    const size_t length = std::min(piece.bytes.size(), static_cast<size_t>(kMapPieceBytes));
    writer.I32(static_cast<int32_t>(length));
    for (size_t i = 0; i < length; ++i) writer.U8(piece.bytes[i]);
    return writer.datagram();
}

std::optional<tmaprequest> ParseMapRequest(std::span<const uint8_t> datagram) {
    WireReader reader(datagram);
    reader.Skip(kTagSize);
    tmaprequest request;
    request.name = reader.ShortString<16>();
    request.offset = reader.I32();
    if (!reader.ok() || !IsTransferableMapName(request.name.View())) return std::nullopt;
    return request;
}

std::optional<tmappiece> ParseMapPiece(std::span<const uint8_t> datagram) {
    WireReader reader(datagram);
    reader.Skip(kTagSize);
    tmappiece piece;
    piece.name = reader.ShortString<16>();
    piece.size = reader.I32();
    piece.offset = reader.I32();
    const int32_t length = reader.Count(kMapPieceBytes, 1);
    piece.bytes.reserve(static_cast<size_t>(length));
    for (int32_t i = 0; i < length; ++i) piece.bytes.push_back(reader.U8());
    if (!reader.ok() || !IsTransferableMapName(piece.name.View())) return std::nullopt;
    return piece;
}
