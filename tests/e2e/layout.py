'''Where the program puts its windows' controls, read from the core's own forms: the tool
slumbrix_layout_json (SLUMBRIX_LAYOUT) prints each form's client size and every control's
place on the client area, in twips. Nothing here restates a number of the layout.'''
import functools
import json
import os
import subprocess
import unittest

TWIPS_PER_PIXEL = 15  # the display runs at 96 dpi


def pixels(twips):
    return round(twips / TWIPS_PER_PIXEL)


class FormLayout:
    '''One form: client (width, height) and controls {name: (left, top, width, height)}, in
    twips; names as the program writes them, "opt(1)" for an element of a control array.'''

    def __init__(self, data):
        self.client = tuple(data['client'])
        self.controls = {name: tuple(rect) for name, rect in data['controls'].items()}

    def __getitem__(self, name):
        return self.controls[name]

    @property
    def client_pixels(self):
        return tuple(pixels(length) for length in self.client)

    def is_window_size(self, size):
        '''Whether a window of this (width, height) in pixels is this form: its client width,
        and its client height with a menu bar or nothing above it.'''
        width, height = self.client_pixels
        return size[0] == width and size[1] >= height


@functools.lru_cache(maxsize=None)
def _forms():
    tool = os.environ.get('SLUMBRIX_LAYOUT', '')
    if not os.access(tool, os.X_OK):
        raise unittest.SkipTest('SLUMBRIX_LAYOUT does not name the layout tool')
    output = subprocess.run([tool], check=True, capture_output=True, timeout=30).stdout
    return {name: FormLayout(data) for name, data in json.loads(output).items()}


def main_form():
    return _forms()['frmMain']


def about_form():
    return _forms()['frmAbout']
