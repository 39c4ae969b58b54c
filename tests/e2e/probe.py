# What the end-to-end scenarios read and write besides the screen; usage in lib.sh:
# session FILE FIELDS... | record FILE | heard RAW OFFSET FOLDER NAME... | texts TITLE ROLE
import re, struct, sys, wave

command, args = sys.argv[1], sys.argv[2:]
if command == "session":   # HAND LESSON FONT LEFT TOP RIGHT BOTTOM [STUDIO TONE]
    hand, lesson, font, left, top, right, bottom, *sound = map(int, args[1:])
    fields = (hand, lesson, font, {1000: 20, 1001: 25, 1002: 30}[font], *(sound or (0, 0)), left, top, right, bottom)
    open(args[0], "wb").write(struct.pack("<6h4i", *fields))
elif command == "record":
    print(*struct.unpack("<6h4i", open(args[0], "rb").read()))
elif command == "heard":   # the recordings found in the samples after byte OFFSET, in order
    played, found = open(args[0], "rb").read(), []
    for name in args[3:]:
        samples = wave.open(f"{args[2]}/{name}.wav").readframes(10**7)
        at = played.find(samples, int(args[1]))
        while at >= 0:
            found.append((at, name))
            at = played.find(samples, at + len(samples))
    print(*(name for _, name in sorted(found)))
elif command == "texts":   # the texts of one role ("label", "text") in the window of that title
    import pyatspi

    def walk(node):
        yield node
        for child in node:
            yield from walk(child) if child is not None else ()

    for window in (window for app in pyatspi.Registry.getDesktop(0) if app is not None for window in app):
        if window is not None and re.search(args[0], window.name) and window.getState().contains(pyatspi.STATE_SHOWING):
            for node in filter(lambda node: node.getRoleName() == args[1], walk(window)):
                print((node.queryText().getText(0, -1) if args[1] == "text" else node.name).replace("\n", "~"))
            sys.exit(0)
    sys.exit(1)
