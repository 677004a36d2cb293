# The pictures the program stores and the sizes of its icon, named once: the build renders and
# packs them (resources/), and the renderer and the picture loader read them from the header
# written from these lists (VEKKIRO_ARTWORK_NAMES_HEADER, in VEKKIRO_ARTWORK_INCLUDE_DIR).
set(VEKKIRO_STORED_PICTURES startup bins-faded notice)
set(VEKKIRO_ICON_SIZES 16 24 32 48 64 128 200 256)

list(LENGTH VEKKIRO_STORED_PICTURES VEKKIRO_STORED_PICTURE_COUNT)
list(TRANSFORM VEKKIRO_STORED_PICTURES PREPEND "\"" OUTPUT_VARIABLE quoted)
list(TRANSFORM quoted APPEND "\"")
list(JOIN quoted ", " VEKKIRO_STORED_PICTURE_NAMES)
list(JOIN VEKKIRO_ICON_SIZES ", " VEKKIRO_ICON_SIZE_LIST)
set(VEKKIRO_ARTWORK_INCLUDE_DIR ${PROJECT_BINARY_DIR}/artwork-names)
set(VEKKIRO_ARTWORK_NAMES_HEADER ${VEKKIRO_ARTWORK_INCLUDE_DIR}/vekkiro/artwork_names.h)
configure_file(${PROJECT_SOURCE_DIR}/resources/artwork_names.h.in ${VEKKIRO_ARTWORK_NAMES_HEADER}
               @ONLY)
