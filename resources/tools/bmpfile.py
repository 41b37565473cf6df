"""The .bmp container the bitmap writers share: file header, 40-byte info header, table, pixels."""
import struct

PIXELS_PER_METRE = 2835  # 72 dots per inch


def bmp_file(width, height, bits, pixels, table=b""):
    """A bottom-up BI_RGB bitmap file; table holds the RGBQUAD colour table, if any."""
    used = len(table) // 4
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, len(pixels),
                       PIXELS_PER_METRE, PIXELS_PER_METRE, used, 0)
    offset = 14 + len(info) + len(table)
    head = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    return head + info + table + pixels


def stride(width, bits):
    """Bytes per scan line, rounded up to 32 bits."""
    return (width * bits + 31) // 32 * 4


def check_bmp_file(data, width, height, bits, colours=0):
    """Reads a file back and raises ValueError when it is not what bmp_file meant to write."""
    magic, size, _, _, offset = struct.unpack_from("<2sIHHI", data, 0)
    if magic != b"BM" or size != len(data) or offset != 14 + 40 + 4 * colours:
        raise ValueError("bad file header")
    hsize, w, h, planes, depth, comp, image, _, _, used = struct.unpack_from("<IiiHHIIiiI", data, 14)
    if (hsize, w, h, planes, depth, comp, used) != (40, width, height, 1, bits, 0, colours):
        raise ValueError("bad bitmap header %r" % ((hsize, w, h, planes, depth, comp, used),))
    if image != stride(width, bits) * height or offset + image != len(data):
        raise ValueError("pixel data has the wrong size")
