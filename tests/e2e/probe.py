# What the end-to-end scenarios read and write besides the screen.
#   probe.py session FILE HAND LESSON FONT LEFT TOP RIGHT BOTTOM [STUDIO TONE]: writes a session file
#   probe.py record FILE: a session file's fields
#   probe.py heard RAW OFFSET FOLDER NAME...: the recordings found in the samples after byte OFFSET
#   probe.py texts TITLE ROLE: through the accessibility bus, the texts of the nodes of a role
#       ("label", "text") in the shown window whose title matches TITLE, line breaks as "~"
import re, struct, sys, wave

command, args = sys.argv[1], sys.argv[2:]
if command == "session":
    hand, lesson, font, left, top, right, bottom, *sound = map(int, args[1:])
    studio, tone = sound or (0, 0)
    height = {1000: 20, 1001: 25, 1002: 30}[font]
    open(args[0], "wb").write(struct.pack("<6h4i", hand, lesson, font, height, studio, tone, left, top, right, bottom))
elif command == "record":
    print(*struct.unpack("<6h4i", open(args[0], "rb").read()))
elif command == "heard":
    played, found = open(args[0], "rb").read(), []
    for name in args[3:]:
        samples = wave.open(f"{args[2]}/{name}.wav").readframes(10**7)
        at = played.find(samples, int(args[1]))
        while at >= 0:
            found.append((at, name))
            at = played.find(samples, at + len(samples))
    print(*(name for _, name in sorted(found)))
elif command == "texts":
    import pyatspi

    def walk(node):
        yield node
        for child in node:
            if child is not None:
                yield from walk(child)

    for app in pyatspi.Registry.getDesktop(0):
        for window in app or ():
            if window is None or not re.search(args[0], window.name or ""):
                continue
            if not window.getState().contains(pyatspi.STATE_SHOWING):
                continue
            for node in walk(window):
                if node.getRoleName() == args[1]:
                    text = node.queryText().getText(0, -1) if args[1] == "text" else node.name
                    print(text.replace("\n", "~"))
            sys.exit(0)
    sys.exit(1)
