# The one table of the built-in pictures, in the order of assets::Picture, and of the sizes the
# desktop entry's icon comes in. The build, the program, the drawing tool and the tests read it
# (the sources through the generated picture_table.h).
set(RESHALKIN_PICTURES
    menu.jpg triangle.jpg circle.jpg cylinder.jpg cone.jpg calculator.jpg
    button.jpg plus.jpg minus.jpg times.jpg division.jpg icon.ico)
set(RESHALKIN_ICON_SIZES 16 22 24 32 48 64 128 256)
