#!/usr/bin/env python3
"""X11 helpers of the per-program profiles' native scenario, where no window
manager runs:
  x11_windows.py window INSTANCE CLASS TITLE [--late]   a plain window with
      that WM_CLASS and its _NET_WM_PID, open until the process ends; with
      --late both are set only 0.3 s after the window is shown
  x11_windows.py activate WINDOW_ID...         names the window in the root
      window's _NET_ACTIVE_WINDOW, as a window manager does on a focus change;
      several in turn, 0.1 s apart (an Alt+Tab through them)
"""
import ctypes
import os
import sys
import time

x = ctypes.cdll.LoadLibrary('libX11.so.6')
x.XOpenDisplay.restype = ctypes.c_void_p
x.XDefaultRootWindow.restype = ctypes.c_ulong
x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
x.XCreateSimpleWindow.restype = ctypes.c_ulong
x.XCreateSimpleWindow.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int, ctypes.c_uint,
                                  ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_ulong]
x.XInternAtom.restype = ctypes.c_ulong
x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
x.XChangeProperty.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong, ctypes.c_ulong, ctypes.c_int,
                              ctypes.c_int, ctypes.c_void_p, ctypes.c_int]
x.XStoreName.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_char_p]
x.XMapWindow.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
x.XSetClassHint.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_void_p]
x.XFlush.argtypes = [ctypes.c_void_p]
x.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.c_void_p]
XA_CARDINAL, XA_WINDOW, PROP_MODE_REPLACE = 6, 33, 0


class ClassHint(ctypes.Structure):
    _fields_ = [('res_name', ctypes.c_char_p), ('res_class', ctypes.c_char_p)]


def set_long(display, window, name, kind, value):
    data = ctypes.c_ulong(value)
    x.XChangeProperty(display, window, x.XInternAtom(display, name, 0), kind, 32, PROP_MODE_REPLACE,
                      ctypes.byref(data), 1)


display = x.XOpenDisplay(None)
if not display:
    sys.exit('no X display')
root = x.XDefaultRootWindow(display)
if sys.argv[1] == 'window':
    instance, klass, title = (a.encode() for a in sys.argv[2:5])
    late = '--late' in sys.argv[5:]
    window = x.XCreateSimpleWindow(display, root, 50, 50, 320, 200, 1, 0, 0xFFFFFF)
    x.XStoreName(display, window, title)
    hint = ClassHint(instance, klass)

    def identify():
        x.XSetClassHint(display, window, ctypes.byref(hint))
        set_long(display, window, b'_NET_WM_PID', XA_CARDINAL, os.getpid())

    if not late:
        identify()
    x.XMapWindow(display, window)
    x.XFlush(display)
    print(window, flush=True)
    if late:
        time.sleep(0.3)
        identify()
        x.XFlush(display)
    event = ctypes.create_string_buffer(192)
    while True:
        x.XNextEvent(display, event)
elif sys.argv[1] == 'activate':
    for n, window in enumerate(sys.argv[2:]):
        if n > 0:
            time.sleep(0.1)
        set_long(display, root, b'_NET_ACTIVE_WINDOW', XA_WINDOW, int(window))
        x.XFlush(display)
