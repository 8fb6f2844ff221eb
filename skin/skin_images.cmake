# The 27 skin images, drawn by images/draw_skin.sh, in archive order.
set(SKIN_IMAGES
    scanner.png save_all.png send.png import_images.png dropdown_arrow.png
    turn_left.png turn_right.png zoom_in.png zoom_out.png zoom_to_actual.png optimize.png
    button_normal.png button_hover.png button_pushed.png
    portrait.bmp landscape.bmp no_scanner.png info_icon.png 1342.bmp 1324.bmp logo.png
    brightness.png text.png menu_dot.png vr_normal.png vr_hover.png vr_pushed.png)
