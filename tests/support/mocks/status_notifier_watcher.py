'''The desktop's tray host as far as Qt's tray icon needs it: a StatusNotifierWatcher on the
session bus that keeps the registered items and forgets an item when its owner leaves the
bus, as a real watcher does. Each registration goes to the mock's log with its time.'''
import dbus

BUS_NAME = 'org.kde.StatusNotifierWatcher'
MAIN_OBJ = '/StatusNotifierWatcher'
MAIN_IFACE = 'org.kde.StatusNotifierWatcher'
SYSTEM_BUS = False

# item text -> the bus name that registered it
owners = {}


def _publish(mock):
    mock.UpdateProperties(MAIN_IFACE, {
        'RegisteredStatusNotifierItems': dbus.Array(sorted(owners), signature='s')})


@dbus.service.method(MAIN_IFACE, in_signature='s', out_signature='',
                     sender_keyword='sender')
def RegisterStatusNotifierItem(self, service, sender=None):
    # A path stands for an object of the sender; a bus name for that name's object.
    item = sender + service if service.startswith('/') else service
    self.log(f'RegisterStatusNotifierItem "{service}"')
    owners[item] = sender
    _publish(self)
    self.EmitSignal(MAIN_IFACE, 'StatusNotifierItemRegistered', 's', [item])


@dbus.service.method(MAIN_IFACE, in_signature='s', out_signature='')
def RegisterStatusNotifierHost(self, service):
    self.EmitSignal(MAIN_IFACE, 'StatusNotifierHostRegistered', '', [])


def load(mock, parameters):
    mock.AddProperties(MAIN_IFACE, dbus.Dictionary({
        'RegisteredStatusNotifierItems': dbus.Array([], signature='s'),
        'IsStatusNotifierHostRegistered': True,
        'ProtocolVersion': dbus.Int32(0),
    }, signature='sv'))

    def name_owner_changed(name, old_owner, new_owner):
        if new_owner:
            return
        gone = [item for item, owner in owners.items() if owner in (name, old_owner)]
        for item in gone:
            del owners[item]
            mock.EmitSignal(MAIN_IFACE, 'StatusNotifierItemUnregistered', 's', [item])
        if gone:
            _publish(mock)

    mock.connection.add_signal_receiver(
        name_owner_changed, signal_name='NameOwnerChanged',
        dbus_interface='org.freedesktop.DBus', path='/org/freedesktop/DBus')
