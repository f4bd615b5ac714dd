'''Facts about the committed images that tests check.'''
import os
import struct

DOCS = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..', 'docs')


def png_size(path):
    '''(width, height) of a PNG file, read from its header.'''
    with open(path, 'rb') as png:
        head = png.read(24)
    if head[:8] != b'\x89PNG\r\n\x1a\n' or head[12:16] != b'IHDR':
        raise AssertionError(f'{path} is not a PNG image')
    return struct.unpack('>II', head[16:24])


def screenshot(name):
    '''The path of a README image in docs/.'''
    return os.path.join(DOCS, name)
