# Reads the question box and the picture's description, and finds the "Get Question" button
# over AT-SPI (see check.sh).
import pyatspi, time
desktop = pyatspi.Registry.getDesktop(0)
def find(acc, name, out):
    try:
        if acc.name == name: out.append(acc)
        for i in range(acc.childCount): find(acc.getChildAtIndex(i), name, out)
    except Exception: pass
for app in desktop:
    if app and app.name == 'MATHtuvo':
        boxes=[]; find(app, 'Question/Soalan', boxes)
        for b in boxes:
            t = b.queryText()
            print("QUESTION BOX:", repr(t.getText(0, t.characterCount)[:300]))
        panes=[]; find(app, 'Question picture/Gambar soalan', panes)
        for p in panes:
            print("PICTURE:", repr(p.description))
        btns=[]; find(app, 'Get Question / Sampaikan Soalan', btns)
        print("GET QUESTION buttons:", [ (b.getRoleName(), b.name) for b in btns])
        if btns:
            act = btns[0].queryAction(); print("actions:", [act.getName(i) for i in range(act.nActions)])
