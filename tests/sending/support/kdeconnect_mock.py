'''The KDE Connect daemon as the sending tests need it, for python-dbusmock: paired phones in reach, each with
its device and SMS plugin objects as KDE Connect publishes them, and the messages the phones forward. A phone
cannot be part of a test, so what the daemon would hand it is recorded instead. The tests steer it through the
velmora.test.KdeConnect interface of the daemon object.'''

import time

import dbus
from dbusmock import mockobject

BUS_NAME = 'org.kde.kdeconnect'
MAIN_OBJ = '/modules/kdeconnect'
MAIN_IFACE = 'org.kde.kdeconnect.daemon'
SYSTEM_BUS = False

TEST_IFACE = 'velmora.test.KdeConnect'
DEVICE_IFACE = 'org.kde.kdeconnect.device'
SMS_IFACE = 'org.kde.kdeconnect.device.sms'
CONVERSATIONS_IFACE = 'org.kde.kdeconnect.device.conversations'
# Android's message types: in the inbox, and sent.
INBOX = 1
SENT = 2
# KDE Connect's message: event, body, addresses, date, type, read, thread, uid, SIM, attachments.
MESSAGE_SIGNATURE = 'isa(s)xiixixa(xsss)'


def load(mock, _parameters):
    mock.phones = []
    mock.AddMethod(MAIN_IFACE, 'devices', 'bb', 'as', 'ret = self.phones')


def device_path(phone):
    return f'{MAIN_OBJ}/devices/{phone}'


def sms_plugin(phone):
    return mockobject.objects[device_path(phone) + '/sms']


def send_sms(plugin, addresses, text, attachments, sub_id):
    '''Records what KDE Connect would hand the phone, then answers as the test asked.'''
    first = addresses[0] if addresses else None
    is_structure = isinstance(first, dbus.Struct) and len(first) == 1 and isinstance(first[0], str)
    plugin.sent.append(('(s)' if is_structure else type(first).__name__,
                        str(first[0]) if is_structure else str(first),
                        str(text), len(attachments), int(sub_id)))
    time.sleep(plugin.delay)
    if plugin.refusal:
        raise dbus.exceptions.DBusException(plugin.refusal[1], name=plugin.refusal[0])


@dbus.service.method(TEST_IFACE, in_signature='ssb')
def AddPhone(self, phone, name, sms):
    path = device_path(phone)
    self.AddObject(path, DEVICE_IFACE, {'name': dbus.String(name)},
                   [('hasPlugin', 's', 'b', lambda obj, plugin: plugin == 'kdeconnect_sms' and obj.sms)])
    mockobject.objects[path].sms = bool(sms)
    self.AddObject(path + '/sms', SMS_IFACE, {}, [('sendSms', 'avsavx', '', send_sms)])
    plugin = sms_plugin(phone)
    plugin.sent, plugin.delay, plugin.refusal = [], 0, None
    self.phones.append(str(phone))
    self.EmitSignal(MAIN_IFACE, 'deviceAdded', 's', [phone])


@dbus.service.method(TEST_IFACE, in_signature='s')
def DropPhone(self, phone):
    self.phones.remove(str(phone))
    self.EmitSignal(MAIN_IFACE, 'deviceVisibilityChanged', 'sb', [phone, False])


@dbus.service.method(TEST_IFACE, in_signature='s')
def VanishPhone(self, phone):
    '''The phone's objects go before the daemon's list notices, as when it leaves the network mid-way.'''
    self.RemoveObject(device_path(phone) + '/sms')
    self.RemoveObject(device_path(phone))


@dbus.service.method(TEST_IFACE, in_signature='s')
def SwitchSmsOnQuietly(self, phone):
    '''The phone's SMS plugin is switched on without the daemon's pluginsChanged, as a daemon may miss it.'''
    mockobject.objects[device_path(phone)].sms = True


@dbus.service.method(TEST_IFACE, in_signature='sss')
def RefuseSends(self, phone, error, message):
    sms_plugin(phone).refusal = (str(error), str(message))


@dbus.service.method(TEST_IFACE, in_signature='si')
def DelaySends(self, phone, seconds):
    sms_plugin(phone).delay = int(seconds)


@dbus.service.method(TEST_IFACE, in_signature='s', out_signature='a(sssix)')
def Sent(self, phone):
    return sms_plugin(phone).sent


@dbus.service.method(TEST_IFACE, in_signature='sssxb')
def Forward(self, phone, sender, text, date, received):
    message = dbus.Struct((dbus.Int32(1), dbus.String(text),
                           dbus.Array([dbus.Struct((dbus.String(sender),), signature='s')], signature='(s)'),
                           dbus.Int64(date), dbus.Int32(INBOX if received else SENT), dbus.Int32(0),
                           dbus.Int64(7), dbus.Int32(3), dbus.Int64(-1), dbus.Array([], signature='(xsss)')),
                          signature=MESSAGE_SIGNATURE)
    mockobject.objects[device_path(phone)].EmitSignal(CONVERSATIONS_IFACE, 'conversationUpdated', 'v', [message])
