# Copies every file of SOURCE into DESTINATION unless a file of that name is already there.
file(MAKE_DIRECTORY ${DESTINATION})
file(GLOB data_files RELATIVE ${SOURCE} ${SOURCE}/*)
foreach(name IN LISTS data_files)
    if(NOT EXISTS ${DESTINATION}/${name})
        file(COPY ${SOURCE}/${name} DESTINATION ${DESTINATION})
    endif()
endforeach()
