#!/usr/bin/env python3
"""Makes the program's sparse package (an identity-only MSIX whose content is the installation
folder): AppxManifest.xml, the logo, the block map with the SHA-256 of every 64 KiB block, and the
content types, in a ZIP with ZIP64 end records, every time the same bytes.
Usage: make_package.py MANIFEST ICON PUBLISHER EPOCH OUT
       make_package.py --settle EPOCH PACKAGE
  MANIFEST   AppxManifest.xml as the build made it, "{publisher}" in place of the publisher
  ICON       the program's .ico; its 256-pixel image (a PNG) is the package's logo
  PUBLISHER  the signing certificate's subject, as Windows writes it ("CN=..., O=..., C=...")
  EPOCH      the time every entry carries (the commit's)
The package is signed afterwards (scripts/sign_file.sh), which adds AppxSignature.p7x with the time
of the signing; --settle gives that entry the epoch's time too, so a signed package is the same bytes
every time (the signature covers neither that entry nor its time)."""
import base64
import hashlib
import struct
import sys
import time
import zlib
from xml.sax.saxutils import escape, quoteattr

BLOCK = 64 * 1024


def logo_from_icon(icon):
    count = struct.unpack_from("<H", icon, 4)[0]
    for i in range(count):
        size, offset = struct.unpack_from("<II", icon, 6 + 16 * i + 8)
        image = icon[offset:offset + size]
        if image.startswith(b"\x89PNG\r\n\x1a\n"):
            return image
    raise SystemExit("make_package: the icon holds no PNG image")


def block_map(files):
    lines = ['<?xml version="1.0" encoding="UTF-8"?>',
             '<BlockMap xmlns="http://schemas.microsoft.com/appx/2010/blockmap" '
             'HashMethod="http://www.w3.org/2001/04/xmlenc#sha256">']
    for name, data in files:
        lines.append(f'<File Name={quoteattr(name.replace("/", chr(92)))} Size="{len(data)}" '
                     f'LfhSize="{30 + len(name.encode())}">')
        for at in range(0, len(data), BLOCK):
            digest = base64.b64encode(hashlib.sha256(data[at:at + BLOCK]).digest()).decode()
            lines.append(f'<Block Hash="{digest}"/>')
        lines.append("</File>")
    lines.append("</BlockMap>")
    return ("\r\n".join(lines) + "\r\n").encode()


def content_types():
    return ('<?xml version="1.0" encoding="UTF-8"?>\r\n'
            '<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">'
            '<Default Extension="png" ContentType="image/png"/>'
            '<Override PartName="/AppxManifest.xml" ContentType="application/vnd.ms-appx.manifest+xml"/>'
            '<Override PartName="/AppxBlockMap.xml" ContentType="application/vnd.ms-appx.blockmap+xml"/>'
            '</Types>\r\n').encode()


def dos_time(epoch):
    t = time.gmtime(max(epoch, 315532800))
    return ((t.tm_hour << 11) | (t.tm_min << 5) | (t.tm_sec // 2),
            ((t.tm_year - 1980) << 9) | (t.tm_mon << 5) | t.tm_mday)


def write_zip(entries, epoch, out):
    """Each entry (name, data, deflated): the payload stored, as the block map describes it; the
    content types deflated, as the signer rewrites them so."""
    clock, day = dos_time(epoch)
    body = bytearray()
    directory = bytearray()
    for name, data, deflated in entries:
        encoded = name.encode()
        crc = zlib.crc32(data)
        if deflated:
            packer = zlib.compressobj(9, zlib.DEFLATED, -15)
            stored, method = packer.compress(data) + packer.flush(), 8
        else:
            stored, method = data, 0
        offset = len(body)
        body += struct.pack("<IHHHHHIIIHH", 0x04034B50, 20, 0, method, clock, day, crc, len(stored), len(data),
                            len(encoded), 0)
        body += encoded + stored
        directory += struct.pack("<IHHHHHHIIIHHHHHII", 0x02014B50, 45, 20, 0, method, clock, day, crc, len(stored),
                                 len(data), len(encoded), 0, 0, 0, 0, 0, offset)
        directory += encoded
    start = len(body)
    end64 = start + len(directory)
    count = len(entries)
    tail = struct.pack("<IQHHIIQQQQ", 0x06064B50, 44, 45, 45, 0, 0, count, count, len(directory), start)
    tail += struct.pack("<IIQI", 0x07064B50, 0, end64, 1)
    tail += struct.pack("<IHHHHIIH", 0x06054B50, 0, 0, count, count, len(directory), start, 0)
    with open(out, "wb") as package:
        package.write(bytes(body) + bytes(directory) + tail)


def settle(epoch, path):
    clock, day = dos_time(epoch)
    with open(path, "rb") as package:
        data = bytearray(package.read())
    end = data.rfind(struct.pack("<I", 0x06054B50))
    count, size, start = struct.unpack_from("<HII", data, end + 10)
    at = start
    for _ in range(count):
        name_length, extra_length, comment_length = struct.unpack_from("<HHH", data, at + 28)
        local = struct.unpack_from("<I", data, at + 42)[0]
        struct.pack_into("<HH", data, at + 12, clock, day)
        struct.pack_into("<HH", data, local + 10, clock, day)
        at += 46 + name_length + extra_length + comment_length
    with open(path, "wb") as package:
        package.write(bytes(data))


def main():
    if sys.argv[1] == "--settle":
        settle(int(sys.argv[2]), sys.argv[3])
        return
    manifest_path, icon_path, publisher, epoch, out = sys.argv[1:6]
    with open(manifest_path, encoding="utf-8") as source:
        manifest = source.read().replace("{publisher}", escape(publisher, {'"': "&quot;"})).encode()
    with open(icon_path, "rb") as icon:
        logo = logo_from_icon(icon.read())
    files = [("AppxManifest.xml", manifest), ("Assets/PofuttoErase.png", logo)]
    entries = [(name, data, False) for name, data in files]
    entries += [("AppxBlockMap.xml", block_map(files), False), ("[Content_Types].xml", content_types(), True)]
    write_zip(entries, int(epoch), out)


main()
