# What the end-to-end scenarios read and write besides the screen; usage in lib.sh:
# session FILE FIELDS... | record FILE | heard RAW OFFSET FOLDER NAME... | texts TITLE ROLE |
# page TITLE | caret TITLE | focused TITLE | tree TITLE | events COUNT SECONDS
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
else:   # what the accessibility bus shows of the shown window of title TITLE (a pattern)
    import pyatspi

    def walk(node, depth=0):
        yield node, depth
        for child in node:
            yield from walk(child, depth + 1) if child is not None else ()

    def text(node):
        return node.queryText().getText(0, -1) if "Text" in node.get_interfaces() else ""

    if command == "events":   # COUNT SECONDS: the first COUNT things the page tells a listener,
        from gi.repository import GLib   # "caret OFFSET" or "text LENGTH", after a line "ready"
        heard = []

        def hear(event):
            if event.source is not None and event.source.name == "Seite":
                heard.append(print(f"caret {event.detail1}" if "caret" in event.type else f"text {len(event.any_data)}", flush=True))
                if len(heard) == int(args[0]):
                    pyatspi.Registry.stop()

        pyatspi.Registry.registerEventListener(hear, "object:text-caret-moved", "object:text-changed:insert")
        GLib.timeout_add(1000, lambda: print("ready", flush=True))   # once the program knows of it
        GLib.timeout_add(int(args[1]) * 1000, pyatspi.Registry.stop)
        pyatspi.Registry.start()
        sys.exit(0)
    for window in (window for app in pyatspi.Registry.getDesktop(0) if app is not None for window in app):
        if window is not None and re.search(args[0], window.name) and window.getState().contains(pyatspi.STATE_SHOWING):
            for node, depth in walk(window):
                if command == "texts" and node.getRoleName() == args[1]:   # TITLE ROLE: the texts of one role
                    print((text(node) if args[1] == "text" else node.name).replace("\n", "~"))   # ("label", "text")
                elif command == "page" and node.name == "Seite":   # TITLE: its text, line breaks as "~"
                    print(text(node).replace("\n", "~"))
                elif command == "caret" and node.name == "Seite":   # TITLE: its offset and the rest of its line
                    caret = node.queryText().caretOffset
                    print(caret, text(node)[caret:].split("\n")[0])
                # TITLE: the focused node's name [: description]; a table's current cell says it is
                # focused even when the table is not, so the table tells.
                elif command == "focused" and node.getState().contains(pyatspi.STATE_FOCUSED) and node.getRoleName() != "table cell":
                    sys.exit(print(f"{node.name}: {node.description}" if node.description else node.name))
                elif command == "tree":   # TITLE: role, name and text of every node, indented by depth
                    print(f"{'  ' * depth}{node.getRoleName()} {node.name!r} {text(node)!r}")
            sys.exit(0)
    sys.exit(1)
