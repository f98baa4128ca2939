"""The program as a screen reader sees it: under Xvfb with a private AT-SPI bus,
every control is found by role, name and value, in English and in German and
after a second start, all in a private folder (no other window of it is met).
Exits 77 (skipped) only when Xvfb or the bus cannot start."""
import os, shutil, signal, subprocess, sys, tempfile, time

SKIP = 77
PRIVATE = tempfile.mkdtemp(prefix='quantora-walk-')  # mode 0700, removed at the end
HOME = PRIVATE + '/home'
# Per language: the program's arguments and (role, name, value) of every control.
# A value is a scroll bar's (position, min, max), a read-out's or memo's text, a
# chart's ranges in its description, a check box's state, a combo box's label.
CASES = [(['--language', 'en'], [
    ('combo box', 'Sine', 'Signal Wave Form'), ('push button', 'About', 'version'), ('push button', 'Exit', 'Ends'),
    ('chart', 'Original Signal', 'Time [ns] 0 … 1000, Amplitude [V] -5.5 … 5.5'),
    ('chart', 'Sampled Signal', 'Time [ns] 0 … 1000, Amplitude [V] -5.5 … 5.5'),
    ('scroll bar', 'Sampling interval in ns', (10, 1, 200)), ('scroll bar', 'Resolution in bits', (8, 1, 16)),
    ('label', 'Sampling frequency', '100.00 MHz'), ('label', 'Sampling interval', '10.0 ns'),
    ('label', 'Resolution', '8 Bit'), ('check box', 'Show Sampling Points', True),
    ('check box', 'Show Sampled Signal', True), ('check box', 'Show Quantization Error', False),
    ('text', 'Explanation', 'Left: the analog signal')]),
  (['--language', 'de', '--interval', '7', '--bits', '12', '--error', 'on', '--time-range', '100', '300'], [
    ('combo box', 'Sinus', 'Signalform'), ('push button', 'Info', 'Version'), ('push button', 'Beenden', 'Beendet'),
    ('chart', 'Originalsignal', 'Zeit [ns] 100 … 300, Amplitude [V] -5.5 … 5.5'),
    ('chart', 'Abgetastetes Signal', 'Zeit [ns] 100 … 300'),
    ('scroll bar', 'Abtastintervall in ns', (7, 1, 200)), ('scroll bar', 'Auflösung in Bit', (12, 1, 16)),
    ('label', 'Abtastfrequenz', '142.86 MHz'), ('label', 'Abtastintervall', '7.0 ns'),
    ('label', 'Auflösung', '12 Bit'), ('check box', 'Quantisierungsfehler zeigen', True),
    ('text', 'Erklärung', 'Links: das analoge Signal')])]
HANDED = (['--language', 'en'], [('chart', 'Original Signal', 'Time [ns] 200 … 400'),
    ('chart', 'Sampled Signal', 'Time [ns] 200 … 400'), ('scroll bar', 'Resolution in bits', (5, 1, 16))],
    ['--bits', '5', '--time-range', '200', '400'])  # a second start's options, for the running window

procs = []
def start(cmd, **kw):
    procs.append(subprocess.Popen(cmd, start_new_session=True, **kw))
    return procs[-1]

def skip(why):
    print('SKIPPED: ' + why)
    sys.exit(SKIP)

def value_of(pyatspi, acc, role):
    if role == 'scroll bar':
        v = acc.queryValue()
        return (v.currentValue, v.minimumValue, v.maximumValue)
    if role in ('label', 'text'): return acc.queryText().getText(0, -1)
    if role == 'check box': return acc.getState().contains(pyatspi.STATE_CHECKED)
    if role == 'combo box':
        labels = [r.getTarget(0).name for r in acc.getRelationSet() if r.getRelationType() == pyatspi.RELATION_LABELLED_BY]
        return ' '.join(labels)
    return acc.description

def controls(pyatspi, acc):
    yield acc
    for child in acc:
        if child is not None: yield from controls(pyatspi, child)

def walk(pyatspi, program, args, expected, handed=None):
    env = dict(os.environ, HOME=HOME, XDG_CONFIG_HOME=HOME)
    app_process = start([program, '--no-about'] + args, env=env)
    missing, found, deadline = expected, {}, time.time() + 30
    while missing and time.time() < deadline and app_process.poll() is None:
        time.sleep(0.5)
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.get_process_id() == app_process.pid:
                found = {(a.getRoleName(), a.name): a for a in controls(pyatspi, app)}
        if handed and found:  # the window is up: a second start hands it its options and ends
            print('second start: status %d' % subprocess.run([program] + handed, env=env, timeout=30).returncode)
            handed = None
        missing = [(r, n, v) for r, n, v in expected if (r, n) not in found
                   or not (v == value_of(pyatspi, found[(r, n)], r) or isinstance(v, str) and v in value_of(pyatspi, found[(r, n)], r))]
    if app_process.poll() is not None:
        print('the program exited with status %d %s' % (app_process.returncode, 'in the walk' if found else 'before any control appeared'))
        return False
    for r, n, v in missing:
        got = value_of(pyatspi, found[(r, n)], r) if (r, n) in found else 'no such control'
        print('%s %r: expected %r, found %r' % (r, n, v, got))
    os.killpg(app_process.pid, signal.SIGTERM)
    app_process.wait(10)
    return not missing

def main():
    signal.signal(signal.SIGALRM, lambda *_: sys.exit('timed out'))  # the clean-up below still runs
    signal.alarm(150)  # never hangs: the whole walk, both languages
    for folder in (HOME, PRIVATE + '/run'): os.mkdir(folder, 0o700)  # the user's settings and windows stay out
    os.environ.update(XDG_RUNTIME_DIR=PRIVATE + '/run', QUANTORA_RUNTIME_DIR=PRIVATE + '/run/quantora')
    read, write = os.pipe()
    try: start(['Xvfb', '-displayfd', str(write), '-screen', '0', '1280x1024x24', '-nolisten', 'tcp'], pass_fds=[write])
    except OSError as e: skip('Xvfb cannot start: %s' % e)
    os.close(write)
    display = os.read(read, 64).decode().strip()
    if not display: skip('Xvfb cannot start')
    bus = start(['dbus-daemon', '--session', '--nofork', '--print-address=1'], stdout=subprocess.PIPE)
    address = bus.stdout.readline().decode().strip()
    if not address: skip('no D-Bus session bus')
    os.environ.update(DISPLAY=':' + display, DBUS_SESSION_BUS_ADDRESS=address, QT_QPA_PLATFORM='xcb',
                      QT_ACCESSIBILITY='1', QT_LINUX_ACCESSIBILITY_ALWAYS_ON='1')
    start(['/usr/libexec/at-spi-bus-launcher', '--launch-immediately'])
    ask = ['dbus-send', '--print-reply', '--dest=org.a11y.Bus', '/org/a11y/bus', 'org.a11y.Bus.GetAddress']
    for _ in range(20):
        if subprocess.run(ask, capture_output=True, timeout=5).returncode == 0: break
        time.sleep(0.5)
    else: skip('the AT-SPI bus does not start')
    import pyatspi  # after the bus: it connects at once
    results = [walk(pyatspi, sys.argv[1], *case) for case in CASES + [HANDED]]
    return 0 if all(results) else 1

if __name__ == '__main__':
    try: sys.exit(main())
    finally:
        for p in reversed(procs):
            try: os.killpg(p.pid, signal.SIGKILL)
            except ProcessLookupError: pass
        shutil.rmtree(PRIVATE, ignore_errors=True)
