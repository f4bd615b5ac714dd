'''Writes the Windows zip: make-windows-zip.py ZIP NAME=FILE...

Each FILE is stored under NAME in the given order, dated SOURCE_DATE_EPOCH (the commit's
time) and with no owner, Unix permission or extra time field, so that the same files make the
same zip bytes on any machine and in any folder.'''
import os
import sys
import time
import zipfile

# A zip date cannot lie before 1980.
EARLIEST = (1980, 1, 1, 0, 0, 0)


def main(argv):
    if len(argv) < 2 or any('=' not in arg for arg in argv[1:]):
        sys.exit(__doc__)
    epoch = os.environ.get('SOURCE_DATE_EPOCH')
    if not epoch:
        sys.exit('make-windows-zip.py: SOURCE_DATE_EPOCH is not set')
    stamp = max(EARLIEST, time.gmtime(int(epoch))[:6])
    with zipfile.ZipFile(argv[0], 'w') as archive:
        for arg in argv[1:]:
            name, path = arg.split('=', 1)
            entry = zipfile.ZipInfo(name, date_time=stamp)
            entry.create_system = 0  # MS-DOS: no Unix owner or permissions
            entry.external_attr = 0x20  # FILE_ATTRIBUTE_ARCHIVE, as Windows' own zip writes
            entry.compress_type = zipfile.ZIP_DEFLATED
            with open(path, 'rb') as source:
                archive.writestr(entry, source.read(), compresslevel=9)


if __name__ == '__main__':
    main(sys.argv[1:])
