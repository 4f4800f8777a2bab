// adobe-aco's helper package imports its own files without the ".js" that Node's
// ES module loader insists on; this resolve hook adds it when the bare path fails.
import { register } from 'node:module';

register('data:text/javascript,' + encodeURIComponent(`
export async function resolve(specifier, context, next) {
  try {
    return await next(specifier, context);
  } catch (error) {
    if (error.code !== 'ERR_MODULE_NOT_FOUND' || !specifier.startsWith('.')) throw error;
    return next(specifier + '.js', context);
  }
}`));
