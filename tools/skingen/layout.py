"""The one source of the skin: every element's number, rectangle, look and captions.

skingen.py draws the JPEG images and writes the layout INI files from these
tables, so the rectangles in the files and the pictures always agree.

Each element: (number, name, kind, (x, y, w, h), English caption, Chinese caption, role).
`kind` picks the drawing style in skingen.py; `role` is what the program does with
the element (copied into docs/skin-elements.md).  Captions must not contain ','.
"""

WIDTH, HEIGHT = 800, 520

# Function menu and sub-menu: one row per item, rows of equal height so that a
# sub-menu lines up with its heading row.
MENU_WIDTH = 176
MENU_ROW = 28
MENU_HEIGHT = 10 * MENU_ROW + 1      # program: row height = height / 10
SUBMENU_WIDTH = 176
SUBMENU_HEIGHT = 12 * MENU_ROW + 1   # program: row height = height / 12

WARNING_WIDTH, WARNING_HEIGHT = 360, 150


def _row(num, name, kind, rect, en, cn, role):
    assert ',' not in en and ',' not in cn, (num, en, cn)
    return (num, name, kind, rect, en, cn, role)


# ---------------------------------------------------------------------------
# Elements shared by every page (main layout 0..19): title bar and bottom bar.
COMMON = [
    _row(0, 'save', 'button', (536, 474, 78, 30), 'Save', '保存', 'save the edited configuration into the current profile'),
    _row(1, 'profile_label', 'label', (18, 474, 62, 30), 'Profile', '配置', 'label of the profile selector (no action)'),
    _row(2, 'cancel', 'button', (620, 474, 78, 30), 'Cancel', '取消', 'revert to the configuration last applied and hide to the tray'),
    _row(3, 'apply', 'accent_button', (704, 474, 80, 30), 'Apply', '应用', 'send the configuration to the mouse'),
    _row(4, 'profile1', 'profile', (84, 474, 32, 30), '1', '1', 'switch to profile 1 (selected while it is current)'),
    _row(5, 'profile2', 'profile', (120, 474, 32, 30), '2', '2', 'switch to profile 2'),
    _row(6, 'profile3', 'profile', (156, 474, 32, 30), '3', '3', 'switch to profile 3'),
    _row(7, 'profile4', 'profile', (192, 474, 32, 30), '4', '4', 'switch to profile 4'),
    _row(8, 'profile5', 'profile', (228, 474, 32, 30), '5', '5', 'switch to profile 5'),
    _row(9, 'tab_main', 'tab', (196, 14, 116, 34), 'Main', '主要设置', 'tab: show the main page'),
    _row(10, 'tab_advanced', 'tab', (316, 14, 116, 34), 'Advanced', '高级设置', 'tab: show the advanced page'),
    _row(11, 'tab_color', 'tab', (436, 14, 116, 34), 'Lighting', '灯光设置', 'tab: show the colour page'),
    _row(12, 'minimize', 'icon_min', (722, 14, 28, 28), '', '', 'minimise the window to the taskbar'),
    _row(13, 'close', 'icon_close', (754, 14, 28, 28), '', '', 'hide the window to the notification area'),
    _row(14, 'import_config', 'button', (280, 474, 74, 30), 'Import', '导入配置', 'import a configuration file'),
    _row(15, 'export_config', 'button', (358, 474, 74, 30), 'Export', '导出配置', 'export the configuration to a file'),
    _row(16, 'reset_all', 'button', (436, 474, 74, 30), 'Reset', '恢复出厂', 'reset all profiles to the factory defaults'),
    _row(17, 'lang_cn', 'lang', (644, 16, 34, 24), 'CN', '中文', 'switch the interface to Chinese (selected while Chinese)'),
    _row(18, 'lang_en', 'lang', (682, 16, 34, 24), 'EN', 'EN', 'switch the interface to English (selected while English)'),
    _row(19, 'website', 'lang', (590, 16, 48, 24), 'Web', '官网', 'open the user guide in the default browser'),
]

# ---------------------------------------------------------------------------
# Main page (main layout 20..121).
_BTN_LABELS = [
    ('Left', '左键'), ('Middle', '中键'), ('Right', '右键'),
    ('Back', '后退键'), ('Forward', '前进键'), ('DPI', 'DPI键'), ('Wheel', '滚轮'),
]
_ROW_Y0, _ROW_PITCH, _ROW_H = 100, 25, 22


def _button_rows():
    rows = []
    for r in range(7):
        y = _ROW_Y0 + r * _ROW_PITCH
        en, cn = _BTN_LABELS[r]
        rows.append(_row(32 + r, f'button_label{r + 1}', 'label', (264, y, 86, _ROW_H), en, cn,
                         f'label of row {r + 1} of the button list (no action)'))
        if r < 6:
            rows.append(_row(25 + r, f'function{r + 1}', 'field', (354, y, 176, _ROW_H), '', '',
                             f'function of programmable button {r}: opens the function menu; '
                             f'the program draws the function name'))
        else:
            rows.append(_row(31, 'wheel_field', 'static_field', (354, y, 176, _ROW_H),
                             'Scroll Up / Down', '滚动 上 / 下',
                             'scroll wheel row (no action); lights the wheel on the drawing'))
    return rows


# The mouse drawing on the main page: one rectangle per programmable button,
# lit while the matching function field is hovered.  They never overlap.
MOUSE_PARTS = {
    115: ('left', (72, 82, 50, 78)),
    116: ('middle', (124, 92, 18, 42)),      # the middle click is the wheel pressed
    117: ('right', (144, 82, 50, 78)),
    118: ('back', (56, 208, 14, 30)),
    119: ('forward', (56, 172, 14, 30)),
    120: ('dpi', (124, 162, 18, 22)),
    121: ('wheel', (124, 92, 18, 42)),
}
_COMPANION_OF = {115: 'button 0 (left)', 116: 'button 1 (middle)', 117: 'button 2 (right)',
                 118: 'button 3 (back side button)', 119: 'button 4 (forward side button)',
                 120: 'button 5 (DPI button)', 121: 'the scroll wheel'}

_DPI_ROW_Y0, _DPI_ROW_PITCH, _DPI_ROW_H = 360, 23, 19
DPI_CELL_X0, DPI_CELL_W = 166, 50
DPI_SCALE = [200, 400, 600, 800, 1000, 1200, 1600, 2000, 2400, 3200, 4000, 4800]
LEVEL_COLOURS = [(0, 0, 255), (255, 0, 255), (255, 0, 0), (128, 0, 255)]


def _dpi_rows():
    rows = []
    for j in range(4):
        y = _DPI_ROW_Y0 + j * _DPI_ROW_PITCH
        rows.append(_row(46 + j, f'dpi_enable{j + 1}', 'check', (28, y, 19, 19), '', '',
                         f'enable or disable DPI level {j + 1} (ticked while enabled)'))
        rows.append(_row(50 + j, f'dpi_label{j + 1}', 'label', (74, y, 66, 19),
                         f'Level {j + 1}', f'档位 {j + 1}', f'name of DPI level {j + 1} (no action)'))
        rows.append(_row(54 + j, f'dpi_select{j + 1}', 'radio', (52, y, 19, 19), '', '',
                         f'make DPI level {j + 1} the active level (selected while active)'))
        rows.append(_row(58 + j, f'dpi_colour{j + 1}', 'swatch', (146, y + 4, 11, 11), '', '',
                         f'colour of DPI level {j + 1} (decoration, no action)'))
        rows.append(_row(62 + j, f'dpi_end{j + 1}', 'endmark', (770, y, 10, 19), '', '',
                         f'end mark of the bar of level {j + 1} (decoration, no action)'))
        for s in range(12):
            rows.append(_row(66 + 12 * j + s, f'dpi{j + 1}_{DPI_SCALE[s]}', 'cell',
                             (DPI_CELL_X0 + s * DPI_CELL_W, y, DPI_CELL_W, _DPI_ROW_H), '', '',
                             f'DPI level {j + 1} step {s} ({DPI_SCALE[s]} DPI): set the level to this step'))
    return rows


MAIN = COMMON + [
    _row(20, 'buttons_heading', 'heading', (258, 64, 282, 28), 'Button Assignment', '按键功能设置', 'heading of the button list'),
    _row(21, 'dpi_heading', 'heading', (16, 304, 170, 28), 'DPI Levels', 'DPI 档位设置', 'heading of the DPI panel'),
    _row(22, 'wheel_heading', 'heading', (548, 64, 236, 28), 'Scroll Wheel', '滚轮模式', 'heading of the wheel panel'),
    _row(23, 'dpi_hint', 'hint', (186, 304, 598, 28),
         'Tick to enable a level - pick the active one - click a cell to set its DPI',
         '勾选启用档位 选择当前档位 点击格子设定 DPI', 'hint in the DPI panel heading'),
    _row(24, 'buttons_hint', 'hint', (258, 276, 282, 18), 'Hover a field to see its button',
         '指向功能框可查看对应按键', 'hint under the button list'),
] + _button_rows() + [
    _row(39, 'tips_heading', 'heading', (548, 164, 236, 28), 'Tips', '提示', 'heading of the tips panel'),
    _row(40, 'tip1', 'hint', (552, 198, 228, 20), 'Click a field to change it', '点击功能框即可更改', 'tip line 1'),
    _row(41, 'wheel_standard', 'option', (562, 102, 102, 28), 'Standard', '标准', 'wheel mode 0 (selected while active)'),
    _row(42, 'wheel_alternate', 'option', (668, 102, 102, 28), 'Alternate', '备用', 'wheel mode 1 (selected while active)'),
    _row(43, 'wheel_hint', 'hint', (548, 136, 236, 20), 'Sent to the mouse on Apply', '点击应用后生效', 'hint under the wheel modes'),
    _row(44, 'tip2', 'hint', (552, 222, 228, 20), 'Apply sends all to the mouse', '应用会把设置发送到鼠标', 'tip line 2'),
    _row(45, 'tip3', 'hint', (552, 246, 228, 20), 'Save keeps it in the profile', '保存会写入当前配置', 'tip line 3'),
] + _dpi_rows() + [
    _row(114, 'dpi_scale', 'scale', (DPI_CELL_X0, 340, 12 * DPI_CELL_W, 16), '', '',
         'DPI scale above the bars (decoration, no action)'),
] + [
    _row(n, f'mouse_{part}', 'companion', rect, '', '',
         f'highlight companion of element {n - 90}: {_COMPANION_OF[n]} on the mouse drawing')
    for n, (part, rect) in MOUSE_PARTS.items()
]

# Runs of elements the program treats alike: (name, first, count, meaning).
MAIN_RANGES = [
    ('Common', 0, 20, 'on every page and hit-tested on every page'),
    ('PageElements', 0, 115, 'hit-tested while the main page is shown'),
    ('Captioned', 0, 54, 'whose captions the main page draws'),
    ('Profiles', 4, 5, 'profile buttons 1..5'),
    ('FunctionFields', 25, 6, 'function fields of programmable buttons 0..5'),
    ('ButtonRows', 25, 7, 'function fields and the wheel row, each with a mouse part'),
    ('DpiEnables', 46, 4, 'enable boxes of DPI levels 1..4'),
    ('DpiSelects', 54, 4, 'active-level choices of DPI levels 1..4'),
    ('DpiCells', 66, 48, 'DPI bar cells, 12 steps per level, level by level'),
    ('MouseParts', 115, 7, 'mouse parts lit with the button rows, in the same order'),
    ('WheelModes', 41, 2, 'wheel modes 0 and 1'),
]

# ---------------------------------------------------------------------------
# Advanced page (advanced layout 0..51).
_SPEED_X0, _SPEED_PITCH, _SPEED_W, _SPEED_H = 500, 27, 25, 24


def _speed_steps(first, y, what):
    return [_row(first + i, f'{what}_{i + 1}', 'step', (_SPEED_X0 + i * _SPEED_PITCH, y, _SPEED_W, _SPEED_H),
                 str(i + 1), str(i + 1), f'{what.replace("_", " ")} step {i + 1} (selected while chosen)')
            for i in range(10)]


ADVANCED = [
    _row(0, 'import_macros', 'button', (362, 282, 104, 28), 'Import', '导入宏', 'import macros from a file'),
    _row(1, 'export_macros', 'button', (362, 316, 104, 28), 'Export', '导出宏', 'export the macros to a file'),
    _row(2, 'add_macro', 'button', (362, 100, 104, 28), 'Add', '新建', 'add a macro named by the name field'),
    _row(3, 'delete_macro', 'button', (362, 134, 104, 28), 'Delete', '删除', 'delete the selected macro'),
    _row(4, 'record', 'record', (362, 168, 104, 28), 'Record', '录制', 'start or stop recording (pressed while recording)'),
    _row(5, 'set_repeat', 'button', (392, 376, 74, 28), 'Set', '设定', 'store the repeat count of the selected macro'),
    _row(6, 'loop', 'toggle', (500, 368, 134, 30), 'Loop', '循环播放', 'repeat on or off for the selected macro (lit while on)'),
    _row(7, 'hold_mode', 'toggle', (642, 368, 134, 30), 'Hold Mode', '按住播放', 'macro mode: toggle or hold (lit while hold)'),
] + _speed_steps(8, 100, 'pointer_speed') + _speed_steps(18, 188, 'scroll_speed') + [
    _row(28, 'fire_min', 'label', (526, 302, 44, 16), '0 ms', '0 ms', 'left end of the rapid-fire slider (no action)'),
    _row(29, 'fire_max', 'label', (640, 302, 44, 16), '300 ms', '300 ms', 'right end of the rapid-fire slider (no action)'),
    _row(30, 'fire_slider', 'slider', (530, 280, 150, 18), '', '', 'rapid-fire slider: the bar grows with the interval'),
    _row(31, 'fire_plus', 'button', (684, 276, 26, 26), '+', '+', 'rapid-fire interval + 1 ms'),
    _row(32, 'fire_minus', 'button', (500, 276, 26, 26), '-', '-', 'rapid-fire interval - 1 ms'),
    _row(33, 'fire_value', 'light_plate', (716, 277, 60, 24), '', '', 'rapid-fire interval readout (black text by the program)'),
    _row(34, 'name_label', 'label', (30, 378, 50, 24), 'Name', '名称', 'label of the macro name field'),
    _row(35, 'repeat_label', 'label', (238, 378, 58, 24), 'Repeat', '重复', 'label of the repeat count field'),
    _row(36, 'times_label', 'label', (344, 378, 44, 24), 'times', '次', 'unit of the repeat count field'),
    _row(37, 'editor_hint', 'hint', (30, 416, 436, 26), 'Select a macro then press Record and type',
         '选中一个宏后点击录制并按键', 'hint of the macro editor'),
    _row(38, 'editor_heading', 'heading', (16, 64, 462, 28), 'Macro Editor', '宏编辑器', 'heading of the macro editor'),
    _row(39, 'pointer_heading', 'heading', (486, 64, 298, 28), 'Pointer Speed', '指针速度', 'heading of the pointer speed steps'),
    _row(40, 'scroll_heading', 'heading', (486, 152, 298, 28), 'Scroll Speed', '滚动速度', 'heading of the scroll speed steps'),
    _row(41, 'fire_heading', 'heading', (486, 240, 298, 28), 'Rapid Fire', '连发间隔', 'heading of the rapid-fire slider'),
    _row(42, 'playback_heading', 'heading', (486, 330, 298, 28), 'Macro Playback', '宏播放方式', 'heading of the playback toggles'),
    _row(43, 'press_count', 'light_plate', (190, 344, 79, 20), '', '', 'key-down count of the macro (black text by the program)'),
    _row(44, 'release_count', 'light_plate', (271, 344, 79, 20), '', '', 'key-up count of the macro (black text by the program)'),
    _row(45, 'macros_header', 'light_header', (30, 100, 150, 20), 'Macros', '宏列表', 'header of the macro list (black text)'),
    _row(46, 'events_header', 'light_header', (190, 100, 160, 20), 'Events', '按键事件', 'header of the event list (black text)'),
    _row(47, 'macros_footer', 'light_plate', (30, 344, 150, 20), 'Up to 12 macros', '最多 12 个宏', 'note under the macro list (black text)'),
    _row(48, 'pointer_slow', 'label', (500, 128, 25, 16), 'Slow', '慢', 'scale label (no action)'),
    _row(49, 'pointer_fast', 'label', (743, 128, 25, 16), 'Fast', '快', 'scale label (no action)'),
    _row(50, 'scroll_slow', 'label', (500, 216, 25, 16), 'Slow', '慢', 'scale label (no action)'),
    _row(51, 'scroll_fast', 'label', (743, 216, 25, 16), 'Fast', '快', 'scale label (no action)'),
]

ADVANCED_RANGES = [
    ('Pointable', 0, 38, 'hit-tested while the advanced page is shown'),
    ('PointerSpeedSteps', 8, 10, 'pointer speed steps 1..10'),
    ('ScrollSpeedSteps', 18, 10, 'scroll speed steps 1..10'),
    ('DarkCaptions', 43, 5, 'light plates whose captions are drawn black'),
]

# Native controls of the macro editor sit on wells drawn in the picture.
EDIT = {
    3: ('repeat_count', (298, 378, 44, 24)),
    4: ('macro_name', (82, 378, 150, 24)),
}
MACRODISPLAY = {
    1: ('macro_list', (30, 120, 150, 222)),
    2: ('event_list', (190, 120, 160, 222)),
}

# ---------------------------------------------------------------------------
# Colour page (colour layout 0..12).
LED_PREVIEW = (370, 100, 210, 346)

COLOR = [
    _row(0, 'led_slow', 'mode', (36, 104, 274, 38), 'Colour Cycle - Slow', '颜色循环 - 慢速', 'LED mode 0 (selected while chosen)'),
    _row(1, 'led_fast', 'mode', (36, 152, 274, 38), 'Colour Cycle - Fast', '颜色循环 - 快速', 'LED mode 1'),
    _row(2, 'led_steady', 'mode', (36, 200, 274, 38), 'Steady Level Colour', '常亮当前档位颜色', 'LED mode 2'),
    _row(3, 'led_off', 'mode', (36, 248, 274, 38), 'Off', '关闭', 'LED mode 3'),
    _row(4, 'led_hint', 'info', (36, 304, 274, 34), 'Apply sends the mode to the mouse', '点击应用后发送到鼠标', 'hint box (no action)'),
    _row(5, 'led_heading', 'heading', (16, 64, 314, 28), 'LED Mode', '灯光模式', 'heading of the LED modes'),
    _row(6, 'preview_heading', 'heading', (338, 64, 446, 28), 'Preview', '效果预览', 'heading of the preview'),
    _row(7, 'dpi_label', 'label', (606, 132, 160, 22), 'Current DPI', '当前 DPI', 'label of the DPI readout'),
    _row(8, 'colours_label', 'label', (606, 262, 160, 22), 'Level Colours', '档位颜色', 'label of the level colour key'),
    _row(9, 'dpi_value', 'readout', (606, 158, 160, 40), '', '', 'DPI readout of the active level (drawn by the program)'),
    _row(10, 'dpi_note', 'hint', (606, 202, 160, 20), 'of the active level', '当前档位', 'note under the DPI readout'),
    _row(11, 'led_preview', 'led', LED_PREVIEW, '', '', 'LED preview area: pink/red/purple in the page images, grey and blue in the preview images'),
    _row(12, 'preview_hint', 'hint', (36, 350, 274, 20), 'Preview shows the last applied mode', '预览显示上次应用的模式', 'hint under the modes'),
]

COLOR_RANGES = [
    ('Pointable', 0, 5, 'hit-tested while the colour page is shown'),
    ('LedModes', 0, 4, 'LED modes 0..3'),
]

# ---------------------------------------------------------------------------
# Warning dialog (warning layout 0..2); the program draws all three captions red.
WARNING = [
    _row(0, 'continue', 'wbutton', (56, 100, 110, 30), 'Continue', '继续', 'first button: go on and open the function menu'),
    _row(1, 'give_up', 'wbutton', (194, 100, 110, 30), 'Cancel', '取消', 'second button: give up'),
    _row(2, 'message', 'wtext', (16, 56, 328, 28), 'No other button has Left Click', '其他按键都没有左键功能',
         'warning text'),
]

# ---------------------------------------------------------------------------
# Display names of every button function code (1..54).
FUNCTION_NAMES = {
    1: ('Left Click', '左键'),
    2: ('Right Click', '右键'),
    3: ('Middle Click', '中键'),
    4: ('Back', '后退'),
    5: ('Forward', '前进'),
    6: ('DPI Switch', 'DPI 切换'),
    7: ('Advanced', '高级功能'),
    8: ('Multimedia', '多媒体'),
    9: ('Macros', '宏'),
    10: ('Shortcuts', '快捷键'),
    11: ('Rapid Fire', '连发'),
    12: ('Double Click', '双击'),
    13: ('Triple Click', '三连击'),
    14: ('Report Rate', '回报率'),   # shown as OFF / Aus by the program
    15: ('DPI Up', 'DPI 加'),
    16: ('DPI Down', 'DPI 减'),
    17: ('Mouse Function 13', '鼠标功能 13'),
    18: ('Disabled', '禁用'),
    19: ('Disabled', '禁用'),
    20: ('Disabled', '禁用'),
    21: ('Home Page', '主页'),
    22: ('Media Player', '媒体播放器'),
    23: ('E-mail', '电子邮件'),
    24: ('Volume Up', '音量加'),
    25: ('Volume Down', '音量减'),
    26: ('Previous Track', '上一曲'),
    27: ('Next Track', '下一曲'),
    28: ('Mute', '静音'),
    29: ('Play / Pause', '播放 / 暂停'),
    30: ('Calculator', '计算器'),
    31: ('Copy', '复制'),
    32: ('Paste', '粘贴'),
    33: ('Cut', '剪切'),
    34: ('Undo', '撤销'),
    35: ('Redo', '重做'),
    36: ('Select All', '全选'),
    37: ('Switch Window', '切换窗口'),
    38: ('Show Desktop', '显示桌面'),
    39: ('Calculator', '计算器'),
    40: ('Command Prompt', '命令提示符'),
}
for _code in range(41, 53):
    FUNCTION_NAMES[_code] = (f'Macro {_code - 40}', f'宏 {_code - 40}')
FUNCTION_NAMES[53] = ('Disabled', '禁用')
FUNCTION_NAMES[54] = ('Disabled', '禁用')
