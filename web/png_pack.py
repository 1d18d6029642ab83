"""Packs a PNG tightly: the asset generator writes its pictures with stored (uncompressed)
deflate blocks, which is right for its own files but makes a 512-pixel icon a megabyte; the
same rows deflated at the highest level are a few kilobytes. Only the IDAT data changes."""
import struct
import zlib


def packed_png(data):
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError("not a PNG file")
    chunks, at, image = [], 8, b""
    while at < len(data):
        length, kind = struct.unpack(">I4s", data[at:at + 8])
        body = data[at + 8:at + 8 + length]
        at += 12 + length
        if kind == b"IDAT":
            image += body
            if data[at + 4:at + 8] != b"IDAT":
                chunks.append((b"IDAT", zlib.compress(zlib.decompress(image), 9)))
        else:
            chunks.append((kind, body))
    out = [data[:8]]
    for kind, body in chunks:
        out.append(struct.pack(">I", len(body)) + kind + body +
                   struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))
    return b"".join(out)


# python3 png_pack.py IN.png OUT.png: the same for one file (the build packs its screenshots).
if __name__ == "__main__":
    import sys
    if len(sys.argv) != 3:
        sys.exit("usage: png_pack.py IN.png OUT.png")
    with open(sys.argv[1], "rb") as source:
        packed = packed_png(source.read())
    with open(sys.argv[2], "wb") as out:
        out.write(packed)
