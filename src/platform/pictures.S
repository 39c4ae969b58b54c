/* The pictures, packed by picpack into pictures.pack (found on the include path), taken
   into the program as they are: read-only, on pages of their own. */
    .section .rodata.pictures, "a"
    .balign 4096
    .globl tastora_pictures
tastora_pictures:
    .incbin "pictures.pack"
    .globl tastora_pictures_end
tastora_pictures_end:
    .section .note.GNU-stack, "", @progbits
