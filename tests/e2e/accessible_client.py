'''A screen reader's view of the program, as a command run on a private desktop:

  accessible_client.py tree                 the program's windows as JSON rows
  accessible_client.py do PATH ACTION       runs a named action of one node
  accessible_client.py value PATH NUMBER    sets the value of a node
  accessible_client.py chosen PATH          the chosen items of a list box
  accessible_client.py listen SECONDS TEXT  prints the events it sees as JSON rows, for at
                                            most SECONDS or until a second after TEXT was
                                            inserted

A PATH is the child indexes from the application down, joined by dots ("0.3.1"). It talks to
the accessibility bus that at-spi-bus-launcher started for this desktop's session bus, which
libatspi finds through the environment it is started with.'''
import json
import sys
import time

import pyatspi
from gi.repository import GLib

APP_NAME = 'slumbrix'


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is not None and app.name == APP_NAME:
            return app
    return None


def node_at(path):
    node = application()
    for index in path.split('.') if path else []:
        node = node.getChildAtIndex(int(index))
    return node


def row(node, path, depth):
    states = node.getState()
    entry = {
        'path': path,
        'depth': depth,
        'role': node.getRoleName(),
        'name': node.name or '',
        'focusable': states.contains(pyatspi.STATE_FOCUSABLE),
        'checked': states.contains(pyatspi.STATE_CHECKED),
        'showing': states.contains(pyatspi.STATE_SHOWING),
        'enabled': states.contains(pyatspi.STATE_ENABLED),
    }
    try:
        value = node.queryValue()
        entry['value'] = [value.currentValue, value.minimumValue, value.maximumValue]
    except NotImplementedError:
        pass
    try:
        action = node.queryAction()
        entry['actions'] = [action.getName(i) for i in range(action.nActions)]
    except NotImplementedError:
        pass
    labelled = [r for r in node.getRelationSet()
                if r.getRelationType() == pyatspi.RELATION_LABELLED_BY]
    if labelled:
        entry['labelled_by'] = [r.getTarget(i).name for r in labelled
                                for i in range(r.getNTargets())]
    return entry


def tree():
    app = application()
    if app is None:
        return []
    rows = []

    def walk(node, path, depth):
        rows.append(row(node, path, depth))
        for index in range(node.childCount):
            child = node.getChildAtIndex(index)
            if child is not None:
                walk(child, f'{path}.{index}' if path else str(index), depth + 1)

    for index in range(app.childCount):
        walk(app.getChildAtIndex(index), str(index), 0)
    return rows


def chosen(combo):
    '''The selected items of a list box's list.'''
    names = []
    for view in combo:
        for item in view:
            if item is not None and item.getState().contains(pyatspi.STATE_SELECTED):
                names.append(item.name)
    return names


def do_action(path, name):
    action = node_at(path).queryAction()
    for index in range(action.nActions):
        if action.getName(index) == name:
            return action.doAction(index)
    raise SystemExit(f'no action {name}')


def listen(seconds, until):
    events = []

    def seen(event):
        source = event.source
        events.append({'type': event.type, 'name': source.name if source else '',
                       'role': source.getRoleName() if source else '',
                       'detail1': event.detail1, 'any_data': str(event.any_data)})

    for kind in ('object:property-change:accessible-name', 'object:text-changed',
                 'object:announcement', 'object:live-region-changed'):
        pyatspi.Registry.registerEventListener(seen, kind)
    end = time.monotonic() + seconds
    # Ready: the caller starts what it wants seen after this line.
    print('listening', flush=True)
    while time.monotonic() < end:
        pyatspi.Registry.pumpQueuedEvents()
        GLib.MainContext.default().iteration(False)
        if any(event['type'] == 'object:text-changed:insert' and event['any_data'] == until
               for event in events):
            end = min(end, time.monotonic() + 1.0)
        time.sleep(0.01)
    return events


def main(argv):
    command = argv[0]
    if command == 'tree':
        result = tree()
    elif command == 'do':
        result = do_action(argv[1], argv[2])
    elif command == 'value':
        result = node_at(argv[1]).queryValue()
        result.currentValue = float(argv[2])
        result = True
    elif command == 'chosen':
        result = chosen(node_at(argv[1]))
    elif command == 'listen':
        result = listen(float(argv[1]), argv[2])
    else:
        raise SystemExit(__doc__)
    print(json.dumps(result))


if __name__ == '__main__':
    main(sys.argv[1:])
