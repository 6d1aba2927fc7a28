# Fills build/rumbelo/ beside the executable: compiled data, generated art, a demo school.
file(GLOB_RECURSE RUMBELO_DATA_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/*)
add_custom_command(
    OUTPUT ${CMAKE_BINARY_DIR}/stamps/data.stamp
    COMMAND rumbelo-data build ${CMAKE_SOURCE_DIR}/data ${RUMBELO_DIR}
    COMMAND rumbelo-data check ${RUMBELO_DIR}
    COMMAND ${CMAKE_COMMAND} -E touch ${CMAKE_BINARY_DIR}/stamps/data.stamp
    DEPENDS rumbelo-data ${RUMBELO_DATA_SOURCES}
    COMMENT "Compiling the catalogue into ${RUMBELO_DIR}"
    VERBATIM)
add_custom_target(rumbelo_data ALL DEPENDS ${CMAKE_BINARY_DIR}/stamps/data.stamp)

# The demo school: a plausible name, Spanish, theme F, animation on.
add_custom_command(
    OUTPUT ${RUMBELO_DIR}/clave8demo
    COMMAND rumbelo-data profile --name "IES Miguel Hernández" --language 0 --theme F
            --animation 1 ${RUMBELO_DIR}/clave8demo
    DEPENDS rumbelo-data
    COMMENT "Writing the demo school profile"
    VERBATIM)
add_custom_target(rumbelo_profile ALL DEPENDS ${RUMBELO_DIR}/clave8demo)

if(TARGET rumbelo-art)
    file(GLOB_RECURSE RUMBELO_ART_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/art/*)
    add_custom_command(
        OUTPUT ${CMAKE_BINARY_DIR}/stamps/art.stamp
        COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
                $<TARGET_FILE:rumbelo-art> build ${CMAKE_SOURCE_DIR}/art ${RUMBELO_DIR}
        COMMAND ${CMAKE_COMMAND} -E touch ${CMAKE_BINARY_DIR}/stamps/art.stamp
        DEPENDS rumbelo-art ${RUMBELO_ART_SOURCES}
        COMMENT "Rendering pictures and sounds into ${RUMBELO_DIR}"
        VERBATIM)
    add_custom_target(rumbelo_art ALL DEPENDS ${CMAKE_BINARY_DIR}/stamps/art.stamp)
endif()
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/stamps)
