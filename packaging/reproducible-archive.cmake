# Run by cpack after it wrote the portable archive: packs the same files
# again so that the archive's bytes depend on nothing but its contents.
# Members in name order, owned by root (uid and gid 0), read and execute
# bits as installed and no write bit for others, every time
# SOURCE_DATE_EPOCH, and a gzip header without name or time.
set(epoch $ENV{SOURCE_DATE_EPOCH})
if(NOT epoch MATCHES "^[0-9]+$")
    message(FATAL_ERROR "SOURCE_DATE_EPOCH is not set; cpack-config.cmake sets it")
endif()
foreach(archive IN LISTS CPACK_PACKAGE_FILES)
    set(unpacked ${archive}.contents)
    file(REMOVE_RECURSE ${unpacked})
    file(MAKE_DIRECTORY ${unpacked})
    execute_process(COMMAND tar -xzf ${archive} -C ${unpacked} --no-same-owner
        COMMAND_ERROR_IS_FATAL ANY)
    file(GLOB top RELATIVE ${unpacked} ${unpacked}/*)
    execute_process(
        COMMAND tar -C ${unpacked} --create --format=gnu --sort=name
                --owner=0 --group=0 --numeric-owner --mtime=@${epoch}
                --mode=u+rwX,go+rX,go-w ${top}
        COMMAND gzip -9n
        OUTPUT_FILE ${archive}.new
        COMMAND_ERROR_IS_FATAL ANY)
    file(RENAME ${archive}.new ${archive})
    file(REMOVE_RECURSE ${unpacked})
endforeach()
