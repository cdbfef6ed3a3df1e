"""Python's zipfile as an independent reader and writer of KMZ archives for the tests.

  list ARCHIVE                 prints one line per entry: name, compression method, size
  read ARCHIVE NAME            writes the entry's bytes to standard output
  write ARCHIVE NAME=FILE ...  an archive of these entries, deflated, in this order
  bomb ARCHIVE NAME BYTES      one deflated entry of BYTES zero bytes, written in pieces
  encrypt ARCHIVE              marks every entry encrypted (zipfile cannot encrypt)
"""
import struct
import sys
import zipfile

PIECE = 1 << 20


def list_entries(archive):
    with zipfile.ZipFile(archive) as z:
        for info in z.infolist():
            print(f"{info.filename}\t{info.compress_type}\t{info.file_size}")


def read_entry(archive, name):
    with zipfile.ZipFile(archive) as z:
        sys.stdout.buffer.write(z.read(name))


def write_entries(archive, pairs):
    with zipfile.ZipFile(archive, "w", zipfile.ZIP_DEFLATED) as z:
        for pair in pairs:
            name, path = pair.split("=", 1)
            with open(path, "rb") as source:
                z.writestr(name, source.read())


def bomb(archive, name, size):
    with zipfile.ZipFile(archive, "w", zipfile.ZIP_DEFLATED) as z:
        with z.open(name, "w", force_zip64=True) as entry:
            zeros = bytes(PIECE)
            left = size
            while left > 0:
                entry.write(zeros[: min(left, PIECE)])
                left -= PIECE


def encrypt(archive):
    """Sets bit 0 of the flags in every local header and central-directory record."""
    data = bytearray(open(archive, "rb").read())
    for signature, flag_offset in ((b"PK\x03\x04", 6), (b"PK\x01\x02", 8)):
        at = data.find(signature)
        while at != -1:
            flags = struct.unpack_from("<H", data, at + flag_offset)[0]
            struct.pack_into("<H", data, at + flag_offset, flags | 1)
            at = data.find(signature, at + 4)
    open(archive, "wb").write(bytes(data))


def main():
    command, archive, rest = sys.argv[1], sys.argv[2], sys.argv[3:]
    if command == "list":
        list_entries(archive)
    elif command == "read":
        read_entry(archive, rest[0])
    elif command == "write":
        write_entries(archive, rest)
    elif command == "bomb":
        bomb(archive, rest[0], int(rest[1]))
    elif command == "encrypt":
        encrypt(archive)
    else:
        sys.exit("unknown command " + command)


if __name__ == "__main__":
    main()
